#!/usr/bin/env bash
# Set up a Debian 12 machine, build Tessaloom and run it or its test suite.
#   bash dev.sh run [FILE]  install what building and running lack, build the
#                      editor, give the export its folder if it has none, start it
#                      (on the model file FILE)
#   bash dev.sh test   install what the tests lack too, build, run every pass of
#                      tests whatever fails, then a summary; fails if any test did
#   bash dev.sh package  build the Debian package in build-deb: the same bytes
#                      from every build of one commit
# Packages are installed as root or through sudo; without either, it says what
# to have run as root. Tests that need folders under /Users are skipped,
# saying why, when neither is at hand. Not to be run with sudo.
set -euo pipefail
started=$PWD
cd "$(dirname "$(readlink -f "$0")")"

# What building and running need, then what only the tests need.
RUN_PACKAGES=(cmake g++ make pkg-config libsdl1.2-dev libsdl-mixer1.2-dev libgl1-mesa-dev libgl1-mesa-dri)
TEST_PACKAGES=(libgtest-dev xvfb xdotool x11-utils x11-apps valgrind python3 dpkg-dev libsdl2-2.0-0
    lintian appstream desktop-file-utils clang libclang-rt-14-dev)

# Run as root through sudo, it would leave root-owned files in the clone and
# make root's export folder: refused (a clone of root's own is root's to run).
if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ] && [ "$(stat -c %u .)" -ne 0 ]; then
    echo "dev.sh: do not run it with sudo; as $SUDO_USER, run: bash dev.sh ${1:-}; it asks for sudo itself where root is needed" >&2
    exit 1
fi

# dev_root: how root's part is run, found once, when first needed; a password
# is asked for once, at a terminal, saying why first.
. tools/root.sh
dev_root() { root_probe ask "dev.sh: some steps need root (packages, folders under /Users for the tests): sudo asks once"; }

# as_root 'COMMAND': COMMAND run by sh as root; when root cannot be had, one
# line with the command to have run as root, and a failure.
as_root() {
    dev_root
    if [ "$ROOT" = none ]; then
        echo "dev.sh: $NOROOT; as root, run: $1" >&2
        return 1
    fi
    $ROOT sh -c "$1"
}

dev_packages() {  # packages...
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    as_root "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq ${missing[*]}" || exit 1
}

# The builds are CMakePresets.json's: plain (build), sanitizer (build-san),
# fuzz (build-fuzz) and package (build-deb).
dev_build() {  # preset, cmake flags..., [-- targets...]
    local preset=$1 flags=() targets=()
    shift
    while [ $# -gt 0 ] && [ "$1" != -- ]; do flags+=("$1"); shift; done
    [ $# -gt 0 ] && shift && for t in "$@"; do targets+=(--target "$t"); done
    cmake --preset "$preset" "${flags[@]}" >/dev/null && cmake --build --preset "$preset" -j"$(nproc)" "${targets[@]}"
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
# through sudo without asking: ask once here rather than skip them.
dev_sudo() {
    dev_root
    [ "$ROOT" != none ] || echo "dev.sh: $NOROOT, so the test sessions that need folders under /Users are skipped" >&2
}

# The test command's passes each add a verdict line, and skip reasons, to the
# summary printed at the end; the counts are of tests over every pass.
PASSED=0 FAILED=0 SKIPPED=0 VERDICTS=() REASONS=()
dev_verdict() {  # pass, passed, failed, skipped, [what failed]
    local line="$1: $2 passed, $3 failed"
    [ "$4" -eq 0 ] || line+=", $4 skipped"
    [ -z "${5:-}" ] || line+=" ($5)"
    VERDICTS+=("$line")
    PASSED=$((PASSED + $2)) FAILED=$((FAILED + $3)) SKIPPED=$((SKIPPED + $4))
}

# dev_junit FILE: from ctest's JUnit file, the counts of tests passed, failed
# and skipped and the names of those that failed on one line, then the
# reasons the tests gave ("skipped: ..."), a line each. A test skips by its
# SKIP_RETURN_CODE; one that could not run counts as failed.
dev_junit() {
    python3 - "$1" <<'EOF'
import sys, xml.etree.ElementTree as ET
try:
    cases = list(ET.parse(sys.argv[1]).getroot().iter('testcase'))
except (OSError, ET.ParseError):
    cases = []
skip = lambda c: c.get('status') == 'notrun' and c.find('skipped').get('message', '').startswith('SKIP_')
passed = [c for c in cases if c.get('status') == 'run']
skipped = [c for c in cases if skip(c)]
failed = [c.get('name') for c in cases if c not in passed and c not in skipped]
print(len(passed), len(failed), len(skipped), *failed)
for c in cases:
    for line in (c.findtext('system-out') or '').splitlines():
        if line.startswith('skipped: '):
            print(line[len('skipped: '):])
EOF
}

# dev_ctest PASS PRESET [ctest options...]: one pass of tests, whatever fails;
# its verdict from ctest's JUnit file.
dev_ctest() {
    local junit=$TMPDIR/junit.xml p f s failed r
    [ "$(id -u)" -eq 0 ] || sudo -n -v 2>/dev/null || true  # keeps sudo's ticket fresh
    rm -f "$junit"
    ctest --preset "$2" --output-junit "$junit" "${@:3}" || true
    {
        read -r p f s failed
        if [ $((p + f + s)) -eq 0 ]; then
            dev_verdict "$1" 0 1 0 "no test ran"
        else
            dev_verdict "$1" "$p" "$f" "$s" "$failed"
        fi
        while IFS= read -r r; do REASONS+=("$1: $r"); done
    } < <(dev_junit "$junit")
}

# dev_summary: every pass's verdict, the skipped tests' reasons, the totals;
# fails when anything failed.
dev_summary() {
    echo
    echo "== bash dev.sh test: summary =="
    printf '%s\n' "${VERDICTS[@]}"
    [ ${#REASONS[@]} -eq 0 ] || printf 'skipped in %s\n' "${REASONS[@]}"
    local last="$PASSED passed, $FAILED failed"
    [ "$SKIPPED" -eq 0 ] || last+=", $SKIPPED skipped"
    echo "$last"
    [ "$FAILED" -eq 0 ]
}

case "${1:-}" in
run)
    dev_packages "${RUN_PACKAGES[@]}"
    dev_build plain -DBUILD_TESTING=OFF -- tessaloom
    bash tools/export_folder.sh provide
    # A model file's name is the user's, from the folder dev.sh was started in.
    cd "$started" && exec "$OLDPWD/build/tessaloom" "${@:2}"
    ;;
test)
    dev_packages "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    dev_sudo
    # Every temporary file of the run in one folder, gone at the end whatever
    # happened, even what a crashed or timed-out test could not remove.
    # Open to all, as the export test writes there as nobody when run as root.
    TMPDIR=$(mktemp -d /tmp/tess-test.XXXXXX) && chmod 755 "$TMPDIR" && export TMPDIR
    trap 'rm -rf "$TMPDIR"' EXIT
    # Each pass runs whatever an earlier one did; a build that fails counts as one failure.
    if dev_build plain; then
        dev_ctest "plain build (build)" plain
    else
        dev_verdict "plain build (build)" 0 1 0 "did not build"
    fi
    # The same suite on an AddressSanitizer + UndefinedBehaviorSanitizer build.
    if dev_build sanitizer; then
        dev_ctest "sanitizer build (build-san)" sanitizer
    else
        dev_verdict "sanitizer build (build-san)" 0 1 0 "did not build"
    fi
    # The end-to-end tests again on sdl12-compat, the SDL 1.2 that runs on SDL2.
    # grep reads ldd to the end: quitting early, as -q does, kills ldd with
    # SIGPIPE, which pipefail takes for a failure.
    if [ -x build/tessaloom ] && compat=$(dev_sdl12_compat build/sdl12-compat) &&
        LD_LIBRARY_PATH=$compat ldd build/tessaloom | grep "$compat/libSDL-1.2" >/dev/null; then
        LD_LIBRARY_PATH=$compat dev_ctest "sdl12-compat (build)" e2e
    else
        dev_verdict "sdl12-compat (build)" 0 1 0 "sdl12-compat not in use"
    fi
    # The model-file reader fuzzed for a fixed number of inputs (clang's libFuzzer).
    if dev_build fuzz; then
        dev_ctest "fuzzer (build-fuzz)" fuzz
    else
        dev_verdict "fuzzer (build-fuzz)" 0 1 0 "did not build"
    fi
    # Frame, start-up, export, open and memory figures (printed, not judged), on
    # shorter scenarios than a full run's; it fails only when it cannot run.
    if TESS_BENCH_SECONDS=${TESS_BENCH_SECONDS:-4} bash bench/bench_run.sh build; then
        dev_verdict "benchmark" 1 0 0
    else
        dev_verdict "benchmark" 0 1 0 "did not run"
    fi
    dev_summary
    ;;
package)
    # dpkg-shlibdeps works out the Depends; the times are the last commit's.
    dev_packages "${RUN_PACKAGES[@]}" dpkg-dev
    dev_build package
    cpack --preset package
    ;;
*)
    echo "usage: bash dev.sh run [FILE] | test | package" >&2
    exit 2
    ;;
esac
