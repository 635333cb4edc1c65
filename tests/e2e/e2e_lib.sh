# Shared helpers for the end-to-end tests, run on the private Xvfb of
# tests/xvfb.sh: the real program stopped by its pid, keys held until the
# screen or the export shows they were read, and a short session proving the
# editor usable. Waits are for states, with deadlines only a fault misses.
set -euo pipefail
BIN=$(readlink -f "$1") E2E=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
WORK=$(mktemp -d -t tess-e2e.XXXXXX) APP="" USERS=() ARGS=()
cleanup() {
    # SDL turns SIGTERM into a quit event that a stuck program never reads.
    # A killed process's wait fails, and under set -e that would end the trap early.
    [ -z "$APP" ] || { kill -KILL "$APP" 2>/dev/null || true; wait "$APP" 2>/dev/null || true; }
    rm -rf "$WORK"
    [ ${#USERS[@]} = 0 ] || as_root rm -rf "${USERS[@]}"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; tail -n +1 "$WORK/out" "$WORK/err" >&2 2>/dev/null; exit 1; }

# start_app [env assignments or wrapper...]: the program, with ARGS, from an
# unrelated folder ($WORK/cwd), output in $WORK/out and err. Leak-checked runs keep Mesa's driver
# loaded to the end (see tests/CMakeLists.txt).
start_app() {
    mkdir -p "$WORK/cwd"
    (cd "$WORK/cwd" && exec env SDL_AUDIODRIVER=dummy ${TESS_APP_PRELOAD:+LD_PRELOAD=$TESS_APP_PRELOAD} \
        ${TESS_APP_PRELOAD:+ASAN_OPTIONS=${ASAN_OPTIONS:-}:verify_asan_link_order=0} "$@" "$BIN" "${ARGS[@]}" >"$WORK/out" 2>"$WORK/err") &
    APP=$!
}
# within SECONDS CODE: CODE comes true in that time, tried every 50 ms
within() { local end=$(( SECONDS + $1 )); until eval "$2"; do [ "$SECONDS" -lt "$end" ] || return 1; sleep 0.05; done; }
# reap SECONDS: the program ends by itself in that time; its status in RC
reap() {
    within "$1" '! kill -0 "$APP" 2>/dev/null' || fail "the editor did not end"
    RC=0 && wait "$APP" || RC=$?
    APP=""
}

# The system's python starts in a tenth of the time of a version manager's shim.
PY=/usr/bin/python3 && [ -x "$PY" ] || PY=python3
shot() { xwd -silent -id "$WIN" | "$PY" "$E2E/e2e_shot.py"; }

# wait_editor [TITLE]: an 800x600 window named TITLE (Tessaloom), past the
# loaders' screens to the canvas with its cursor at the centre
wait_editor() {
    # Asked again while it fails: a window that goes while xdotool walks the
    # tree (the last run's, or one SDL replaces) ends xdotool with BadWindow.
    local title="^${1:-Tessaloom}$"
    within "$WAIT" 'WIN=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | sed -n 1p); [ "$WIN" ]' || fail "no window"
    # Without a window manager the keys go to the window under the pointer.
    xdotool mousemove --window "$WIN" 400 300
    within "$WAIT" '[ "$(shot)" = "0 0 -" ]' || fail "the editor's canvas did not show"
}

# Slower runs (valgrind) set longer times. PRESS stays under the 500 ms press
# gate so one tap is at most one press; a frame must see the release (GAP) and
# draw (SHOWN). A step is held at least one 50 ms frame and less than the two
# that reopen the 60 ms step gate. A busy machine's slow frame may miss a tap:
# what matters is tapped again until it shows, or held till then (hold).
PRESS=${PRESS:-0.12} STEP=${STEP:-0.075} GAP=${GAP:-0.05} SHOWN=${SHOWN:-0.1} WAIT=${WAIT:-60}
tap() { xdotool keydown "$1" sleep "${2:-$PRESS}" keyup "$1" sleep "$SHOWN"; }
# hold KEY CODE: KEY held until CODE comes true; for keys whose repeats do no harm
hold() { local rc=0; xdotool keydown "$1"; within "$WAIT" "$2" || rc=1; xdotool keyup "$1"; return $rc; }
# seek ITEM: the panel bar to ITEM the short way round its 31 items, in runs
# of steps held in one xdotool call (no process start stretches a hold),
# looking again after each, as a slow frame misses or doubles a step ("-": a
# blink too faint to tell)
seek() {
    local item n k
    for _ in $(seq 30); do
        item=$(shot | cut -d' ' -f3)
        [ "$item" != "$1" ] || return 0
        [ "$item" != - ] || { sleep 0.1; continue; }
        n=$(( ($1 - item + 46) % 31 - 15 )) k=Down && [ $n -gt 0 ] || k=Up
        xdotool $(for _ in $(seq "${n#-}"); do echo keydown $k sleep "$STEP" keyup $k sleep "$GAP"; done) sleep "$SHOWN"
    done
    fail "the bar did not reach item $1"
}
# to_panel, to_canvas: space until the panel's bar, or the canvas cursor,
# shows, each tap given 10 s to show
to_panel() { for _ in 1 2 3 4 5; do tap space; ! within 10 '[ "$(shot | cut -d" " -f3)" != - ]' || return 0; done; }
to_canvas() { for _ in 1 2 3 4 5; do tap space; ! within 10 '[ "$(shot | cut -d" " -f1)" != - ]' || return 0; done; }

# as_root CMD...: CMD as root; for anyone else through sudo, which must not ask
. "$E2E/../../tools/root.sh"
as_root() { root_probe never; [ "$ROOT" != none ] && $ROOT "$@"; }
# user TAG: a private export user with an empty desktop, in a folder of the
# tester's own under /Users; sets TUSER, DESK and EXPORT. Without root the
# test ends there, as skipped (77), saying why.
user() {
    if ! as_root true 2>/dev/null; then
        echo "skipped: $(basename "$0"): its sessions need folders under /Users, made as root or by sudo without a password"
        exit 77
    fi
    TUSER=tess-e2e-$$-$1 && DESK=/Users/$TUSER/Desktop && EXPORT=$DESK/model_data.txt && USERS+=("/Users/$TUSER")
    as_root install -d -o "$(id -u)" -g "$(id -g)" "/Users/$TUSER" && mkdir -p "$DESK"
}
# session [env or wrapper...]: a vertex appended at the start position (0,0),
# the input handed to the panel and EXPORT TO TEXT (panel item 27) run, till
# an export replaces whatever was at $EXPORT (its size line comes only with a
# vertex in layer 1; what it holds is the unit tests')
session() {
    start_app USER="$TUSER" "$@"
    wait_editor
    # Held z appends, and past the press gate picks the vertex up: the cross goes.
    hold z '[ "$(shot)" = "- - -" ]' || fail "no vertex picked up"
    to_panel
    seek 27
    hold z '[ "$(head -c4 "$EXPORT" 2>/dev/null)" = SIZE ]' || fail "no export $EXPORT"
}
# end_ok [KEY]: the editor ends on KEY (Escape) with status 0 and no crash
# report from SDL or the sanitizers
end_ok() {
    tap "${1:-Escape}"
    reap "$WAIT"
    [ "$RC" = 0 ] || fail "ended by ${1:-Escape} with status $RC"
    ! grep -qE 'Segmentation|Parachute|AddressSanitizer|LeakSanitizer|runtime error' "$WORK/out" "$WORK/err" || fail "crash report"
}
