#!/usr/bin/env bash
# xvfb.sh COMMAND...: runs COMMAND on a private Xvfb, which is stopped by its
# pid after, also when the run is interrupted or terminated.
set -u
d=$(mktemp)
# -noreset: a server resetting after its last client leaves refuses the next for a moment.
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp -noreset 5>"$d" 2>/dev/null &
x=$! c=
trap '[ -z "$c" ] || kill "$c"; kill "$x"; rm -f "$d"; exit 143' TERM INT
# Xvfb writes its display number once it listens, or dies.
while [ ! -s "$d" ] && kill -0 "$x" 2>/dev/null; do sleep 0.05; done
[ -s "$d" ] || { echo "xvfb.sh: Xvfb did not start" >&2; rm -f "$d"; exit 1; }
DISPLAY=:$(head -1 "$d") "$@" &
c=$!
wait "$c"
rc=$?
kill "$x" && wait "$x" 2>/dev/null
rm -f "$d"
exit $rc
