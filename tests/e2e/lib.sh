# Shared helpers for the end-to-end tests: a private Xvfb stopped by its pid,
# the real program started from an unrelated folder, keys held long enough
# for the 50 ms frame and the input gates.
set -euo pipefail

TESS_BIN=$(readlink -f "$1")
E2E_DIR=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
XT=${TESS_XTOOL:?}
WORK=$(mktemp -d /tmp/tess-e2e.XXXXXX)
XVFB_PID=""
APP_PID=""

e2e_cleanup() {
    # A killed process's wait fails; under set -e that would end the trap early.
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null && { wait "$APP_PID" 2>/dev/null || true; }
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && { wait "$XVFB_PID" 2>/dev/null || true; }
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

# Leak-checked runs keep Mesa's driver loaded to the end (see tests/CMakeLists.txt).
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

# Key hold times and the wait for the screen to show a step; a run with
# slower frames (valgrind) sets longer ones. PRESS_HOLD stays under the
# 500 ms press gate so one hold is one press.
PRESS_HOLD=${PRESS_HOLD:-0.12} STEP_HOLD=${STEP_HOLD:-0.075} STEP_SHOWN=${STEP_SHOWN:-0.05}
# hold KEY [seconds]: press long enough for one frame and the gates to see it
hold() { xdotool keydown "$1"; sleep "${2:-$PRESS_HOLD}"; xdotool keyup "$1"; sleep 0.08; }
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
step() { xdotool keydown "$1" sleep "$STEP_HOLD" keyup "$1"; sleep "$STEP_SHOWN"; }

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
    : "${E2E_BUILT:=$TESS_BIN}"
    rm -rf "$WORK/inst"
    mkdir -p "$WORK/inst"
    cp "$E2E_BUILT" "$WORK/inst/tessaloom"
    cp -r "${TESS_BUILD:?}/Tessaloom.app" "$WORK/inst/"
    TESS_BIN=$WORK/inst/tessaloom
    RES=$WORK/inst/Tessaloom.app/Contents/Resources/init.component
}

# ui_probe: "X Y ITEM", the canvas cursor and the lit panel item (see shot.py)
ui_probe() {
    "$XT" shot Tessaloom "$WORK/probe.bmp" || fail "no screenshot"
    python3 "$E2E_DIR/shot.py" probe "$WORK/probe.bmp"
}

# panel_item: the panel item under the cursor bar, looked at again while the
# bar blinks too faintly to be told
panel_item() {
    local item
    for _ in 1 2 3 4 5 6; do
        item=$(ui_probe | cut -d' ' -f3)
        [ "$item" != - ] && { echo "$item"; return 0; }
        sleep 0.1
    done
    echo -
}

# panel_to ITEM: steps the panel cursor there from where it should be
# (PANEL_AT), the shorter way round the 31 items, then looks and makes good
# a step that a slow frame missed or doubled.
PANEL_AT=0
panel_way() { if [ $(( ($2 - $1 + 31) % 31 )) -le 15 ]; then echo Down; else echo Up; fi; }
panel_to() {
    local item way n
    way=$(panel_way "$PANEL_AT" "$1")
    n=$(( (PANEL_AT - $1 + 31) % 31 ))
    [ "$way" = Down ] && n=$(( 31 - n ))
    for _ in $(seq $(( n % 31 ))); do step "$way"; done
    for _ in $(seq 40); do
        item=$(panel_item)
        [ "$item" != - ] || fail "no panel cursor to be seen"
        if [ "$item" = "$1" ]; then PANEL_AT=$1; return 0; fi
        step "$(panel_way "$item" "$1")"
    done
    fail "the panel cursor did not reach item $1"
}

# cursor_to X Y: steps the canvas cursor to model position (X, Y) from where
# it should be (CURSOR_AT), then looks and makes good any missed or doubled
# step
CURSOR_AT="0 0"
cursor_step() {
    local x=${1% *} y=${1#* }
    if [ "$x" -lt "$2" ]; then step Right
    elif [ "$x" -gt "$2" ]; then step Left
    elif [ "$y" -lt "$3" ]; then step Down
    elif [ "$y" -gt "$3" ]; then step Up; fi
}
cursor_to() {
    local at dx=$(( $1 - ${CURSOR_AT% *} )) dy=$(( $2 - ${CURSOR_AT#* } ))
    for _ in $(seq ${dx#-}); do if [ "$dx" -gt 0 ]; then step Right; else step Left; fi; done
    for _ in $(seq ${dy#-}); do if [ "$dy" -gt 0 ]; then step Down; else step Up; fi; done
    for _ in $(seq 40); do
        at=$(ui_probe | cut -d' ' -f1,2)
        [ "$at" != "- -" ] || fail "no canvas cursor to be seen"
        if [ "$at" = "$1 $2" ]; then CURSOR_AT=$at; return 0; fi
        cursor_step "$at" "$1" "$2"
    done
    fail "the canvas cursor did not reach $1,$2"
}

# On a fresh editor's canvas: vertices (0,0), (3,0) and (3,3) of layer 1.
draw_triangle() {
    CURSOR_AT="0 0" PANEL_AT=0
    tap z
    cursor_to 3 0
    tap z
    cursor_to 3 3
    tap z
}

# From the canvas: the panel gets the input and its cursor goes to EXPORT
# TO TEXT, which z then runs.
to_export() { tap space; panel_to 27; }

# export_check: runs the EXPORT TO TEXT item under the cursor and checks the
# draw_triangle model reached $EXPORT
export_check() { tap z; wait_file "$EXPORT"; check_triangle "$EXPORT"; }

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

# draw_and_see: draw_triangle, and its cyan tints the canvas inside it
draw_and_see() {
    local before after
    before=$(pixel 96 18)
    draw_triangle
    after=$(pixel 96 18)
    [ "$(echo "$after" | cut -d' ' -f2)" -gt "$(echo "$before" | cut -d' ' -f2)" ] ||
        fail "the triangle did not show: $before -> $after"
}

# bright_pixels: how many nearly white pixels the window shows; only text
# is drawn that light
bright_pixels() {
    "$XT" shot Tessaloom "$WORK/shot.bmp" || fail "no screenshot"
    python3 "$E2E_DIR/shot.py" bright "$WORK/shot.bmp"
}

# usable_session TAG [env assignments...]: a whole session as user TAG:
# TEXT counts the light pixels of the first frame, the triangle shows and
# reaches the export, and Escape ends the editor
usable_session() {
    e2e_user "$1"
    shift
    mkdir -p "$DESK"
    start_app USER="$TUSER" "$@"
    wait_window
    TEXT=$(bright_pixels)
    draw_and_see
    to_export
    export_check
    end_ok
}
