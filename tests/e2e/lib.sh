# Shared helpers for the end-to-end tests: a private Xvfb stopped by its pid,
# the real program started from an unrelated folder, keys held long enough
# for the 50 ms frame and the input gates.
set -euo pipefail

TESS_BIN=$(readlink -f "$1")
XT=${TESS_XTOOL:?}
WORK=$(mktemp -d /tmp/tess-e2e.XXXXXX)
XVFB_PID=""
APP_PID=""

e2e_cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null && wait "$APP_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
    return 0
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; [ -f "$WORK/out" ] && sed 's/^/  out: /' "$WORK/out" >&2; [ -f "$WORK/err" ] && sed 's/^/  err: /' "$WORK/err" >&2; exit 1; }

start_xvfb() {
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$WORK/display" 2>/dev/null &
    XVFB_PID=$!
    for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.05; done
    [ -s "$WORK/display" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -1 "$WORK/display")"
}

# start_app [env assignments...]: runs the editor from $WORK/cwd, output in $WORK/out and err
start_app() {
    mkdir -p "$WORK/cwd"
    (cd "$WORK/cwd" && exec env SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" "$@" "$TESS_BIN" >"$WORK/out" 2>"$WORK/err") &
    APP_PID=$!
}

wait_window() {
    "$XT" wait Tessaloom 20 >/dev/null || fail "no window named Tessaloom"
    WIN=$(xdotool search --name '^Tessaloom$' | head -1)
    xdotool mousemove --window "$WIN" 400 300
    sleep 1.5  # loaders' progress screens and the sound warm-up
}

# hold KEY [seconds]: press long enough for one frame and the gates to see it
hold() { xdotool keydown "$1"; sleep "${2:-0.12}"; xdotool keyup "$1"; sleep 0.08; }
# tap KEY: hold, then wait out the 500 ms press gate
tap() { hold "$1"; sleep 0.5; }

# wait_exit SECONDS: the editor ends by itself; its status lands in RC
wait_exit() {
    for _ in $(seq $(( $1 * 20 ))); do
        kill -0 "$APP_PID" 2>/dev/null || break
        sleep 0.05
    done
    kill -0 "$APP_PID" 2>/dev/null && fail "the editor did not end"
    RC=0
    wait "$APP_PID" || RC=$?
    APP_PID=""
}

pixel() { "$XT" pixel Tessaloom "$1" "$2"; }
