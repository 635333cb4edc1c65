# Shared helpers for the end-to-end tests, run on the private Xvfb of
# tests/xvfb.sh: the real program stopped by its pid, keys held long enough for the 50 ms frame and the
# input gates, and a short session proving the editor usable.
set -euo pipefail
BIN=$(readlink -f "$1") E2E=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")") XT=${TESS_XTOOL:?}
WORK=$(mktemp -d /tmp/tess-e2e.XXXXXX) APP="" USERS=()
cleanup() {
    # SDL turns SIGTERM into a quit event that a stuck program never reads.
    # A killed process's wait fails, and under set -e that would end the trap early.
    [ -z "$APP" ] || { kill -KILL "$APP" 2>/dev/null || true; wait "$APP" 2>/dev/null || true; }
    rm -rf "$WORK" "${USERS[@]}"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; tail -n +1 "$WORK/out" "$WORK/err" >&2 2>/dev/null; exit 1; }

[ -n "${DISPLAY:-}" ] || fail "no DISPLAY: run through tests/xvfb.sh"

# start_app [env assignments or wrapper...]: the program from an unrelated
# folder, output in $WORK/out and err. Leak-checked runs keep Mesa's driver
# loaded to the end (see tests/CMakeLists.txt).
start_app() {
    mkdir -p "$WORK/cwd"
    (cd "$WORK/cwd" && exec env SDL_AUDIODRIVER=dummy ${TESS_APP_PRELOAD:+LD_PRELOAD=$TESS_APP_PRELOAD} \
        ${TESS_APP_PRELOAD:+ASAN_OPTIONS=${ASAN_OPTIONS:-}:verify_asan_link_order=0} "$@" "$BIN" >"$WORK/out" 2>"$WORK/err") &
    APP=$!
}
# reap SECONDS: the program ends by itself in that time; its status in RC
reap() {
    for _ in $(seq $(( $1 * 20 ))); do kill -0 "$APP" 2>/dev/null || break; sleep 0.05; done
    ! kill -0 "$APP" 2>/dev/null || fail "the editor did not end"
    RC=0 && wait "$APP" || RC=$?
    APP=""
}

# The system's python starts in a tenth of the time of a version manager's shim.
PY=/usr/bin/python3 && [ -x "$PY" ] || PY=python3
shot() { "$XT" shot "$WIN" | "$PY" "$E2E/shot.py" "$@"; }

# wait_editor [SECONDS]: an 800x600 window named Tessaloom, past the loaders'
# screens to the canvas with its cursor at the centre
wait_editor() {
    WIN=$(timeout "${1:-20}" xdotool search --sync --onlyvisible --name '^Tessaloom$' | sed -n 1p) || fail "no window named Tessaloom"
    # Without a window manager the keys go to the window under the pointer.
    xdotool mousemove --window "$WIN" 400 300
    [ "$(xdotool getwindowgeometry "$WIN" | grep -o '[0-9]*x[0-9]*$')" = 800x600 ] || fail "the window is not 800x600"
    for _ in $(seq $(( ${1:-20} * 5 ))); do [ "$(shot probe)" = "0 0 -" ] && return 0; sleep 0.1; done
    fail "the editor's canvas did not show"
}

# Slower runs (valgrind) set longer times. PRESS stays under the 500 ms press
# gate so one hold is one press; a frame must see the release (GAP) and draw
# (SHOWN). A step is held at least one 50 ms frame and less than the two that
# reopen the 60 ms step gate.
PRESS=${PRESS:-0.12} STEP=${STEP:-0.075} GAP=${GAP:-0.05} SHOWN=${SHOWN:-0.1}
tap() { xdotool keydown "$1" sleep "${2:-$PRESS}" keyup "$1" sleep "$SHOWN"; }
# run N PLUS MINUS: N steps of PLUS, or -N of MINUS, in one xdotool call so
# that no process start stretches a hold
run() {
    local k=$2 keys=()
    [ "$1" -ge 0 ] || k=$3
    for _ in $(seq "${1#-}"); do keys+=(keydown "$k" sleep "$STEP" keyup "$k" sleep "$GAP"); done
    xdotool "${keys[@]}" sleep "$SHOWN"
}
# seek X Y | seek ITEM: the canvas cursor to (X, Y) or the panel bar to ITEM,
# the short way round its 31 items; runs of steps, looking again after each,
# as a slow frame misses or doubles a step ("-": a blink too faint to tell)
seek() {
    local x y item
    for _ in $(seq 30); do
        read -r x y item <<<"$(shot probe)"
        if [ $# = 1 ] && [ "$item" != - ]; then
            [ "$item" != "$1" ] || return 0
            run $(( ($1 - item + 46) % 31 - 15 )) Down Up
        elif [ $# = 2 ] && [ "$x" != - ]; then
            [ "$x $y" != "$1 $2" ] || return 0
            if [ "$x" != "$1" ]; then run $(( $1 - x )) Right Left; else run $(( $2 - y )) Down Up; fi
        else sleep 0.1; fi
    done
    fail "the cursor did not reach $*"
}

# user TAG: a private export user; sets TUSER, DESK and EXPORT
user() {
    TUSER=tess-e2e-$$-$1 && DESK=/Users/$TUSER/Desktop && EXPORT=$DESK/model_data.txt && USERS+=("/Users/$TUSER")
    rm -rf "/Users/$TUSER" && mkdir -p /Users
}
# session [env or wrapper...]: a vertex appended at the start position (0,0)
# and EXPORT TO TEXT (panel item 27) run
session() { start_app USER="$TUSER" "$@"; wait_editor "${WAIT:-20}"; tap z; tap space; seek 27; tap z; }
# written: an export has replaced whatever was at $EXPORT
written() { for _ in $(seq 200); do [ "$(head -c4 "$EXPORT" 2>/dev/null)" = SIZE ] && return 0; sleep 0.05; done; fail "no export $EXPORT"; }
# exported: $EXPORT now holds the session's model
exported() {
    written
    [ "$(grep -F glVertex2f "$EXPORT" | tr -d '\t')" = 'glVertex2f(0.f, 0.f);' ] || fail "$EXPORT lacks the one vertex"
    grep -qxF $'\tglDrawArrays(GL_TRIANGLE_FAN,0,1);' "$EXPORT" || fail "$EXPORT lacks the draw call"
}
# failed N PATH: N failed exports reported so far, each with PATH on the next line
failed() {
    for _ in $(seq 100); do [ "$(grep -cxF 失敗 "$WORK/out")" -ge "$1" ] && break; sleep 0.05; done
    [ "$(grep -A1 -xF 失敗 "$WORK/out" | grep -cxF -- "$2")" = "$1" ] || fail "not $1 failed export(s) reported with $2"
}
# end_ok [KEY|close]: the editor ends with status 0 and no crash report from
# SDL or the sanitizers
end_ok() {
    if [ "${1:-Escape}" = close ]; then "$XT" close "$WIN"; else tap "${1:-Escape}"; fi
    reap "${WAIT:-20}"
    [ "$RC" = 0 ] || fail "ended by ${1:-Escape} with status $RC"
    ! grep -qE 'Segmentation|Parachute|AddressSanitizer|LeakSanitizer|runtime error' "$WORK/out" "$WORK/err" || fail "crash report"
}
