#!/usr/bin/env bash
# Set up a Debian 12 machine, build Tessaloom and run it or its test suite.
#   bash dev.sh run    install what building and running lack, build the
#                      editor, give the export its folder if it has none, start it
#   bash dev.sh test   install what the tests lack too, build, run every test
# Packages are installed as root or through sudo. Tests that need folders
# under /Users are skipped, saying why, when neither is at hand.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

# What building and running need, then what only the tests need.
RUN_PACKAGES=(cmake g++ make pkg-config libsdl1.2-dev libsdl-mixer1.2-dev libgl1-mesa-dev libgl1-mesa-dri)
TEST_PACKAGES=(libgtest-dev xvfb xdotool x11-utils x11-apps valgrind python3 dpkg-dev libsdl2-2.0-0)

# as_root 'COMMAND': COMMAND run by sh as root, through sudo for anyone else;
# without sudo it says what to run as root, and fails.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        sh -c "$1"
    elif command -v sudo >/dev/null; then
        sudo sh -c "$1"
    else
        echo "dev.sh: sudo is not installed; as root, run: $1" >&2
        return 1
    fi
}

dev_packages() {  # packages...
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    as_root "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq ${missing[*]}"
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
            { as_root "apt-get update -qq" && apt-get download -qq libsdl1.2-compat; }; }) >&2
        dpkg -x "$dir"/deb/libsdl1.2-compat_*.deb "$dir"
    fi
    readlink -f "$lib"
}

# The sessions that export need folders under /Users, which the tests make
# through sudo without asking: at a terminal, ask once here rather than skip them.
dev_sudo() {
    [ "$(id -u)" -ne 0 ] && [ -t 0 ] && command -v sudo >/dev/null && ! sudo -n true 2>/dev/null || return 0
    echo "dev.sh: the tests make folders under /Users through sudo" >&2
    sudo -v || echo "dev.sh: without sudo, the sessions that need them are skipped" >&2
}

# dev_ctest DIR [ctest options...]: the tests, then why any were skipped
dev_ctest() {
    [ "$(id -u)" -eq 0 ] || sudo -n -v 2>/dev/null || true  # keeps sudo's ticket fresh
    (cd "$1" && ctest --output-on-failure -j2 "${@:2}")
    grep -h '^skipped: ' "$1/Testing/Temporary/LastTest.log" || true
}

case "${1:-}" in
run)
    dev_packages "${RUN_PACKAGES[@]}"
    dev_build build -DBUILD_TESTING=OFF -- tessaloom
    bash tools/export_folder.sh provide
    exec ./build/tessaloom
    ;;
test)
    dev_packages "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    dev_sudo
    dev_build build -DBUILD_TESTING=ON
    dev_ctest build
    # The same suite on an AddressSanitizer + UndefinedBehaviorSanitizer build.
    dev_build build-san -DBUILD_TESTING=ON -DTESS_SANITIZE=ON -- tessaloom tess_unit
    dev_ctest build-san
    # The end-to-end tests again on sdl12-compat, the SDL 1.2 that runs on SDL2.
    compat=$(dev_sdl12_compat build/sdl12-compat)
    # grep reads ldd to the end: quitting early, as -q does, kills ldd with
    # SIGPIPE, which pipefail takes for a failure.
    LD_LIBRARY_PATH=$compat ldd build/tessaloom | grep "$compat/libSDL-1.2" >/dev/null || { echo "sdl12-compat not in use" >&2; exit 1; }
    LD_LIBRARY_PATH=$compat dev_ctest build -L e2e
    # Frame, start-up, export and memory figures (printed, not judged), on
    # shorter scenarios than a full run's.
    TESS_BENCH_SECONDS=${TESS_BENCH_SECONDS:-4} bash bench/bench_run.sh build
    ;;
*)
    echo "usage: bash dev.sh run|test" >&2
    exit 2
    ;;
esac
