#!/usr/bin/env bash
# xvfb.sh COMMAND...: runs COMMAND on a private Xvfb, stopped by its pid after.
set -u
d=$(mktemp)
# -noreset: a server resetting after its last client leaves refuses the next for a moment.
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp -noreset 5>"$d" 2>/dev/null &
x=$!
for _ in $(seq 200); do [ -s "$d" ] && break; sleep 0.05; done
export DISPLAY=:$(head -1 "$d")
"$@"
rc=$?
kill "$x" && wait "$x" 2>/dev/null
rm -f "$d"
exit $rc
