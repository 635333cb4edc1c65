# The program started from a terminal with no display: -h, --help and
# --version answered, any other argument named in GNU's words; and without a
# usable display, or with a video driver named that SDL lacks, one plain line
# and status 1, on a pseudo-terminal, where a text-mode video driver would take
# the terminal over.
source "$(dirname "$0")/e2e_lib.sh"
# run STATUS ARGS...: ends with STATUS without a display; stdout in out, stderr in err
run() {
    RC=0 && env -u DISPLAY "$BIN" "${@:2}" >"$WORK/out" 2>"$WORK/err" || RC=$?
    [ "$RC" = "$1" ] || fail "with ${*:2}: status $RC"
}
run 0 --help
grep -q '^Usage: tessaloom ' "$WORK/out" && grep -qF /Users/\$USER/Desktop/model_data.txt "$WORK/out" && grep -q 'Escape or q quits' "$WORK/out" && grep -q -- '--version' "$WORK/out" && [ ! -s "$WORK/err" ] || fail "bad usage"
mv "$WORK/out" "$WORK/usage"
run 0 -h
cmp -s "$WORK/usage" "$WORK/out" || fail "-h is not --help"
run 0 --version
[ "$(cat "$WORK/out")" = "tessaloom ${TESS_VERSION:?}" ] && [ ! -s "$WORK/err" ] || fail "bad version"
# bad ARGS WHAT: status 2, and on stderr alone WHAT is wrong, then where help is
bad() {
    run 2 $1
    [ ! -s "$WORK/out" ] && [ "$(cat "$WORK/err")" = "tessaloom: $2"$'\n'"Try 'tessaloom --help' for more information." ] || fail "$1: not named"
}
bad --bogus "unrecognized option '--bogus'"
bad "-hx" "invalid option -- 'x'"
bad "--help --version" "extra option '--version'"
bad "foo bar" "extra operand 'bar'"

# alone ENV...: the program on a pseudo-terminal with ENV; what the terminal showed in out
alone() {
    RC=0 && timeout 20 script -qec "env -u SDL_VIDEODRIVER $* SDL_AUDIODRIVER=dummy $(printf %q "$BIN")" /dev/null \
        </dev/null >"$WORK/out" || RC=$?
}
alone -u DISPLAY -u WAYLAND_DISPLAY
[ "$RC" = 1 ] && [ "$(cat "$WORK/out")" = $'tessaloom: no display: DISPLAY is not set\r' ] || fail "without DISPLAY: status $RC"
alone -u DISPLAY WAYLAND_DISPLAY=wayland-0
[ "$RC" = 1 ] && grep -qx 'tessaloom: no display: DISPLAY is not set; under Wayland, set SDL_VIDEODRIVER .* or start it from an X session.' "$WORK/out" || fail "on Wayland: status $RC"
alone SDL_VIDEODRIVER=nosuch
[ "$RC" = 1 ] && grep -q '^tessaloom: cannot start SDL: .' "$WORK/out" || fail "a driver named and missing: status $RC"
n=90 && while [ -e "/tmp/.X11-unix/X$n" ]; do n=$(( n + 1 )); done
alone DISPLAY=:$n
[ "$RC" = 1 ] && [[ "$(cat "$WORK/out")" == "tessaloom: no display: cannot open display \":$n\": "?*$'\r' ]] || fail ":$n: $RC"
