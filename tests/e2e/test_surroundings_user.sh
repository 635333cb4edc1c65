# A bad USER: unset, empty, just fitting, just too long and far too long for
# the 512-byte export path. A path that cannot be built stays "/Users/", so
# every export fails and is reported, and no cut path is ever written; the
# editor goes on drawing and ends normally.
source "$(dirname "$0")/lib.sh"
start_xvfb

# run_failing WRAPPER...: the export fails and the report names $EXPORT
run_failing() {
    start_app "$@"
    wait_window
    draw_and_see
    to_export
    tap z
    wait_failed 1
    end_ok
}

e2e_user tree  # the /Users folder of the long names below, and its cleanup
EXPORT=/Users/
run_failing env -u USER
[ ! -e /Users/.tmp ] || fail "temporary file left in /Users"
echo "ok: USER unset -> export to /Users/ reported"

[ ! -e /Users/Desktop ] || fail "/Users/Desktop exists; an empty USER would export into it"
EXPORT=/Users//Desktop/model_data.txt
run_failing USER=
echo "ok: USER empty -> $EXPORT reported"

# long_user N: a USER of N characters naming nested folders below TUSER,
# each name short enough for the file system
long_user() {
    LONG=$TUSER
    while [ $(( $1 - ${#LONG} )) -gt 210 ]; do LONG+=/$(head -c 200 /dev/zero | tr '\0' x); done
    LONG+=/$(head -c $(( $1 - ${#LONG} - 1 )) /dev/zero | tr '\0' y)
    [ ${#LONG} = "$1" ] || fail "long_user built ${#LONG} characters"
    mkdir -p "/Users/$LONG/Desktop"
}

# 481 characters: "/Users/", the name and "/Desktop/model_data.txt" fill
# all 512 bytes with the final zero.
long_user 481
EXPORT=/Users/$LONG/Desktop/model_data.txt
start_app USER="$LONG"
wait_window
draw_triangle
to_export
export_check
end_ok
grep -q "too long" "$WORK/err" && fail "a 481-character USER called too long"
echo "ok: USER of 481 characters -> export written"

rm -rf "/Users/$TUSER"
for n in 482 2000; do
    long_user $n
    EXPORT=/Users/
    run_failing USER="$LONG"
    grep -qx "USER is too long for the export path" "$WORK/err" || fail "no message for a USER of $n characters"
    [ -z "$(find "/Users/$TUSER" -type f)" ] || fail "a file was written for a USER of $n characters"
    echo "ok: USER of $n characters -> $(cat "$WORK/err"), export to /Users/ reported"
    rm -rf "/Users/$TUSER"
done
