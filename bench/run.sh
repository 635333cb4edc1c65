#!/usr/bin/env bash
# Runs the frame benchmark on a private Xvfb with silent audio and prints its
# figures; exits 0 when they were printed (the figures are not judged here).
#   bash bench/run.sh [BUILD_DIR]     (default: build)
set -euo pipefail
build=$(readlink -f "${1:-build}")
bin=$build/bench/bench_frame
[ -x "$bin" ] || { echo "bench/run.sh: $bin is not built (cmake --build $build --target bench_frame)" >&2; exit 2; }

work=$(mktemp -d /tmp/tess-bench.XXXXXX)
xvfb=""
cleanup() {
    # A killed Xvfb's wait fails; under set -e that would end the trap early.
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && { wait "$xvfb" 2>/dev/null || true; }
    rm -rf "$work"
    return 0
}
trap cleanup EXIT

Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp -noreset 5>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "bench/run.sh: Xvfb did not start" >&2; exit 2; }

# SDL catches SIGTERM, so a hung bench is stopped with SIGKILL.
DISPLAY=":$(head -1 "$work/display")" SDL_AUDIODRIVER=dummy timeout -s KILL 180 "$bin"
