# Quitting behind a storm of 3000 mouse moves over the window: Escape, q, the
# window's close and SIGTERM each end the editor at once with status 0, not
# seconds later or never, as when the moves filled SDL's event queue.
source "$(dirname "$0")/e2e_lib.sh"
# quits HOW CODE: after the storm CODE closes the window within 5 s, at least
# 4 by the shell's clock: room for a loaded machine, short of the 6.4 s a full
# queue takes; and the editor ends with status 0
quits() {
    start_app
    wait_editor
    xdotool $(for _ in $(seq 1500); do echo mousemove --window "$WIN" 300 200 mousemove --window "$WIN" 500 400; done)
    eval "$2"
    within 5 '! xwininfo -id "$WIN" >/dev/null 2>&1' || fail "$1 did not close the editor within 5 s of the storm"
    reap 30
    [ "$RC" = 0 ] || fail "ended by $1 with status $RC"
}
quits Escape 'xdotool key Escape'
quits q 'xdotool key q'
quits close '"$PY" "$E2E/e2e_close.py" "$WIN"'
quits SIGTERM 'kill -TERM "$APP"'
