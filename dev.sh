#!/usr/bin/env bash
# Set up a Debian 12 machine, build Tessaloom and run it or its test suite.
#   bash dev.sh run    install what is missing, build, start the editor
#   bash dev.sh test   install what is missing, build, run every test
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"

PACKAGES=(cmake g++ make pkg-config libsdl1.2-dev libsdl-mixer1.2-dev libgl1-mesa-dev
          libgl1-mesa-dri libx11-dev libgtest-dev libbenchmark-dev xvfb xdotool x11-utils valgrind)

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

dev_build() {  # dir, extra cmake flags
    local dir=$1; shift
    cmake -S . -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j"$(nproc)"
}

case "${1:-}" in
run)
    dev_packages
    dev_build build
    exec ./build/tessaloom
    ;;
test)
    dev_packages
    dev_build build
    (cd build && ctest --output-on-failure -j2)
    ;;
*)
    echo "usage: bash dev.sh run|test" >&2
    exit 2
    ;;
esac
