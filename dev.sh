#!/usr/bin/env bash
# Set up a Debian 12 machine, build Tessaloom and run it or its test suite.
#   bash dev.sh run    install what is missing, build, give the export its
#                      folder if it has none, start the editor
#   bash dev.sh test   install what is missing, build, run every test
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

PACKAGES=(cmake g++ make pkg-config libsdl1.2-dev libsdl-mixer1.2-dev libgl1-mesa-dev
          libgl1-mesa-dri libgtest-dev libbenchmark-dev xvfb xdotool x11-utils x11-apps valgrind libsdl2-2.0-0)

dev_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

dev_build() {  # dir, cmake flags..., [-- targets...]
    local dir=$1 flags=() targets=()
    shift
    while [ $# -gt 0 ] && [ "$1" != -- ]; do flags+=("$1"); shift; done
    [ $# -gt 0 ] && shift && for t in "$@"; do targets+=(--target "$t"); done
    cmake -S . -B "$dir" "${flags[@]}" >/dev/null
    cmake --build "$dir" -j"$(nproc)" "${targets[@]}"
}

# Unpacks Debian's sdl12-compat into dir (not installed, so the classic SDL
# stays the system's) and prints the folder holding its libSDL-1.2.so.0.
dev_sdl12_compat() {
    local dir=$1 lib
    lib="$dir/usr/lib/$(gcc -print-multiarch)/sdl12-compat"
    if [ ! -e "$lib/libSDL-1.2.so.0" ]; then
        mkdir -p "$dir/deb"
        (cd "$dir/deb" && { apt-get download -qq libsdl1.2-compat 2>/dev/null ||
            { apt-get update -qq && apt-get download -qq libsdl1.2-compat; }; }) >&2
        dpkg -x "$dir"/deb/libsdl1.2-compat_*.deb "$dir"
    fi
    readlink -f "$lib"
}

case "${1:-}" in
run)
    dev_packages
    dev_build build -- tessaloom
    bash tools/export_folder.sh provide
    exec ./build/tessaloom
    ;;
test)
    dev_packages
    dev_build build
    (cd build && ctest --output-on-failure -j2)
    # The same suite on an AddressSanitizer + UndefinedBehaviorSanitizer build.
    dev_build build-san -DTESS_SANITIZE=ON -- tessaloom tess_unit
    (cd build-san && ctest --output-on-failure -j2)
    # The end-to-end tests again on sdl12-compat, the SDL 1.2 that runs on SDL2.
    compat=$(dev_sdl12_compat build/sdl12-compat)
    LD_LIBRARY_PATH=$compat ldd build/tessaloom | grep -q "$compat/libSDL-1.2" || { echo "sdl12-compat not in use" >&2; exit 1; }
    (cd build && LD_LIBRARY_PATH=$compat ctest --output-on-failure -j2 -L e2e)
    # Frame, start-up, export and memory figures (printed, not judged), on
    # shorter scenarios than a full run's.
    TESS_BENCH_SECONDS=${TESS_BENCH_SECONDS:-4} bash bench/run.sh build
    ;;
*)
    echo "usage: bash dev.sh run|test" >&2
    exit 2
    ;;
esac
