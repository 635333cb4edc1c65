# The real program opens its 800x600 window from any folder and ends on
# Escape, on "q" and on window close with status 0; without a display it
# ends at once with a message and a failure status.
source "$(dirname "$0")/lib.sh"
start_xvfb

for way in Escape q close; do
    start_app
    wait_window
    [ "$("$XT" size Tessaloom)" = 800x600 ] || fail "window is not 800x600"
    if [ $way = close ]; then "$XT" close Tessaloom; else hold $way; fi
    wait_exit 15  # start-up on a loaded machine may come first
    [ "$RC" = 0 ] || fail "ending by $way gave status $RC"
    echo "ok: ends on $way"
done

start_app DISPLAY=
wait_exit 5
[ "$RC" != 0 ] || fail "no display but status 0"
grep -q "tessaloom: " "$WORK/err" || fail "no message without a display"
grep -qiE "segmentation|abort|sanitizer" "$WORK/err" && fail "crash without a display"
echo "ok: no display -> $(head -1 "$WORK/err")"
