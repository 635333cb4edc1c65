#!/usr/bin/env bash
# xvfb.sh COMMAND...: runs COMMAND on a private Xvfb. However the run ends,
# interrupted or terminated too, the command and Xvfb are stopped by their pids.
set -u
d=$(mktemp) c=
# -noreset: a server resetting after its last client leaves refuses the next for a moment.
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp -noreset 5>"$d" 2>/dev/null &
x=$!
trap '[ -z "$c" ] || kill "$c" 2>/dev/null; kill "$x" 2>/dev/null && wait "$x"; rm -f "$d"' EXIT
trap 'exit 143' TERM INT
# Xvfb writes its display number once it listens, or dies.
while [ ! -s "$d" ] && kill -0 "$x" 2>/dev/null; do sleep 0.05; done
[ -s "$d" ] || { echo "xvfb.sh: Xvfb did not start" >&2; exit 1; }
DISPLAY=:$(head -1 "$d") "$@" &
c=$!
wait "$c"
