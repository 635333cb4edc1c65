# Quitting amid a storm of mouse moves over the window: Escape, the window's
# close and SIGTERM (q is the surroundings test's) each end the editor with
# status 0, never lost in a full event queue.
source "$(dirname "$0")/e2e_lib.sh"
# quits HOW CODE: CODE, sent amid a storm of mouse moves over the window, ends
# the editor with status 0. Were the moves queued, they would fill SDL's queue
# and it would drop the quit: a lost quit is the fault, so the wait is long.
quits() {
    start_app
    wait_editor
    local moves=$(for _ in $(seq 1500); do echo mousemove --window "$WIN" 300 200 mousemove --window "$WIN" 500 400; done)
    xdotool $moves
    # Storming on till the window goes, when xdotool fails.
    (while xdotool $moves 2>/dev/null; do :; done) &
    eval "$2"
    within 30 '! xwininfo -id "$WIN" >/dev/null 2>&1' || fail "$1 did not close the editor"
    reap 30
    [ "$RC" = 0 ] || fail "ended by $1 with status $RC"
}
quits Escape 'xdotool key Escape'
quits close '"$PY" "$E2E/e2e_close.py" "$WIN"'
quits SIGTERM 'kill -TERM "$APP"'
