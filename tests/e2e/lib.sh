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

# Sanitizer builds keep Mesa's driver loaded to the end (see tests/CMakeLists.txt).
app_preload() {
    [ -n "${TESS_APP_PRELOAD:-}" ] && echo "LD_PRELOAD=$TESS_APP_PRELOAD ASAN_OPTIONS=${ASAN_OPTIONS:-}:verify_asan_link_order=0"
    return 0
}

# start_app [env assignments...]: runs the editor from $WORK/cwd, output in $WORK/out and err
start_app() {
    mkdir -p "$WORK/cwd"
    (cd "$WORK/cwd" && exec env SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" $(app_preload) "$@" "$TESS_BIN" >"$WORK/out" 2>"$WORK/err") &
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

# step KEY: one direction step. Held 75 ms, at least one 50 ms frame and
# less than the two that reopen the 60 ms step gate; one xdotool call, so
# starting a second one does not lengthen the hold.
step() { xdotool keydown "$1" sleep 0.075 keyup "$1"; sleep 0.05; }

# wait_out TEXT SECONDS: bounded wait for TEXT on the editor's standard output
wait_out() {
    for _ in $(seq $(( $2 * 20 ))); do grep -qF -- "$1" "$WORK/out" && return 0; sleep 0.05; done
    fail "no \"$1\" on standard output"
}

# no_crash: no signal status and no crash report from SDL or the sanitizers
no_crash() {
    [ "${RC:-0}" -lt 128 ] || fail "ended by a signal (status $RC)"
    if grep -qE 'Segmentation|AddressSanitizer|LeakSanitizer|runtime error|Parachute' "$WORK/out" "$WORK/err"; then
        fail "crash report"
    fi
}

# end_ok: Escape still ends the editor with status 0 and no crash
end_ok() { hold Escape; wait_exit 10; no_crash; [ "$RC" = 0 ] || fail "Escape gave status $RC"; }

# e2e_user TAG: a private export user; sets TUSER, DESK and EXPORT; its /Users
# folder goes at exit
E2E_USERS=()
e2e_user() {
    TUSER=tess-e2e-$$-$1
    DESK=/Users/$TUSER/Desktop
    EXPORT=$DESK/model_data.txt
    mkdir -p /Users
    rm -rf "/Users/$TUSER"
    E2E_USERS+=("/Users/$TUSER")
    trap 'e2e_cleanup; rm -rf "${E2E_USERS[@]}"' EXIT
}

# install_copy: the program and its bundle copied to $WORK/inst and started
# from there; RES is the copy's resource folder
install_copy() {
    rm -rf "$WORK/inst"
    mkdir -p "$WORK/inst"
    cp "$TESS_BIN" "$WORK/inst/tessaloom"
    cp -r "${TESS_BUILD:?}/Tessaloom.app" "$WORK/inst/"
    TESS_BIN=$WORK/inst/tessaloom
    RES=$WORK/inst/Tessaloom.app/Contents/Resources/init.component
}

# On the canvas at the start: vertices (0,0), (3,0) and (3,3) of layer 1.
draw_triangle() {
    tap z
    for _ in 1 2 3; do step Right; done
    tap z
    for _ in 1 2 3; do step Down; done
    tap z
}

# From the canvas with the panel cursor on its first item: the panel gets
# the input and its cursor goes up to EXPORT TO TEXT, which z then runs.
to_export() { tap space; for _ in 1 2 3 4; do step Up; done; }

# check_triangle FILE: FILE is an export of the draw_triangle model
check_triangle() {
    [ -f "$1" ] || fail "no export file $1"
    local got
    got=$(grep -F glVertex2f "$1" | tr -d '\t')
    [ "$got" = $'glVertex2f(0.f, 0.f);\nglVertex2f(3.f, 0.f);\nglVertex2f(3.f, 3.f);' ] ||
        fail "export $1 does not hold the triangle: $got"
    grep -qxF $'\tglDrawArrays(GL_TRIANGLE_FAN,0,3);' "$1" || fail "export $1 has no triangle fan draw call"
}

# wait_failed N: the Nth failed export has been reported, each time with the
# export path on the next line
wait_failed() {
    for _ in $(seq 100); do [ "$(grep -cxF '失敗' "$WORK/out")" -ge "$1" ] && break; sleep 0.05; done
    [ "$(grep -cxF '失敗' "$WORK/out")" = "$1" ] || fail "expected $1 failed export(s) reported"
    [ "$(grep -A1 -xF '失敗' "$WORK/out" | grep -cxF -- "$EXPORT")" = "$1" ] || fail "a failure report lacks the path $EXPORT"
}

# wait_file FILE: bounded wait for an export to appear
wait_file() { for _ in $(seq 60); do [ -f "$1" ] && return 0; sleep 0.05; done; fail "no file $1"; }
