# One short session of the real program under valgrind's memcheck: a
# triangle drawn, exported and the editor ended with Escape. Any memory
# error, or a definite leak outside the suppressed system libraries, fails it.
# memcheck runs about 3 frames a second, and a frame shows a step when it ends
PRESS_HOLD=0.45 STEP_HOLD=0.35 STEP_SHOWN=0.8
source "$(dirname "$0")/../e2e/lib.sh"
start_xvfb
e2e_user vg
mkdir -p "$DESK"

# start_app preloads Mesa's driver (TESS_APP_PRELOAD), so its leaks keep
# their library's name for the suppressions.
start_app USER="$TUSER" valgrind --error-exitcode=99 --leak-check=full \
    --errors-for-leak-kinds=definite --show-leak-kinds=definite --num-callers=40 \
    --suppressions="$(dirname "$(readlink -f "$0")")/memcheck.supp" --gen-suppressions=all
"$XT" wait Tessaloom 60 >/dev/null || fail "no window named Tessaloom"
xdotool mousemove --window "$(xdotool search --name '^Tessaloom$' | head -1)" 400 300
for _ in $(seq 60); do [ "$(ui_probe)" = "0 0 -" ] && break; sleep 1; done
[ "$(ui_probe)" = "0 0 -" ] || fail "the editor did not reach its canvas"

draw_and_see
to_export
export_check
hold Escape
wait_exit 120
no_crash
grep -q "ERROR SUMMARY: 0 errors" "$WORK/err" || fail "memcheck found errors"
[ "$RC" = 0 ] || fail "status $RC under memcheck"
echo "ok: $(grep -m1 'total heap usage' "$WORK/err" | sed 's/^==[0-9]*== *//')"
