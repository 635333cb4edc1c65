#!/usr/bin/env bash
# Runs the frame benchmark on a private Xvfb with silent audio and prints its
# figures; exits 0 when they were printed (the figures are not judged here).
#   bash bench/bench_run.sh [BUILD_DIR]     (default: build)
set -euo pipefail
build=$(readlink -f "${1:-build}")
bin=$build/bench/bench_frame
[ -x "$bin" ] || { echo "bench/bench_run.sh: $bin is not built (cmake --build $build --target bench_frame)" >&2; exit 2; }

# SDL catches SIGTERM, so a hung bench is stopped with SIGKILL.
SDL_AUDIODRIVER=dummy exec bash "$(dirname "$0")/../tests/xvfb.sh" timeout -s KILL 180 "$bin"
