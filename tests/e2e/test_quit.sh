# Quitting behind a storm of 3000 mouse moves over the window: Escape, q, the
# window's close and SIGTERM each end the editor at once with status 0, not
# seconds later or never, as when the moves filled SDL's event queue.
source "$(dirname "$0")/lib.sh"
# quits HOW CODE: after the storm CODE ends the editor within 2 s
quits() {
    start_app
    wait_editor
    xdotool $(for _ in $(seq 1500); do echo mousemove --window "$WIN" 300 200 mousemove --window "$WIN" 500 400; done)
    local t0 ms
    t0=$(date +%s%N)
    eval "$2"
    within 10 '! kill -0 "$APP" 2>/dev/null' || fail "$1 did not end the editor after the storm"
    ms=$(( ($(date +%s%N) - t0) / 1000000 ))
    echo "$1 after 3000 mouse moves: ended in $ms ms"
    RC=0 && wait "$APP" || RC=$?
    APP=""
    [ "$RC" = 0 ] || fail "ended by $1 with status $RC"
    [ "$ms" -lt 2000 ] || fail "$1 took $ms ms to end the editor"
}
quits Escape 'xdotool key Escape'
quits q 'xdotool key q'
quits close '"$PY" "$E2E/close.py" "$WIN"'
quits SIGTERM 'kill -TERM "$APP"'
echo "ok: every quit after the storm"
