#!/usr/bin/env bash
# xvfb.sh COMMAND...: runs COMMAND on a private Xvfb, stopped by its pid after.
set -u
d=$(mktemp)
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$d" 2>/dev/null &
x=$!
for _ in $(seq 200); do [ -s "$d" ] && break; sleep 0.05; done
DISPLAY=:$(head -1 "$d") "$@"
rc=$?
kill "$x" && wait "$x" 2>/dev/null
rm -f "$d"
exit $rc
