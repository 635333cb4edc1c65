# The Debian package (cpack) of the build in $1, of the source in $2, as
# Debian would judge it: lintian finds no error or warning, its AppStream and
# menu entries are valid; it depends on the SDL, mixer and GL libraries and
# installs into /usr, its menu entry starting /usr/bin/tessaloom. And it is
# reproducible: built again from a copy of the source in another folder (one
# job, as one test's load), with the last commit's time, it is the same bytes.
# The layout under the prefix is the install test's (e2e/test_surroundings.sh).
set -euo pipefail
W=$(mktemp -d /tmp/tess-deb.XXXXXX)
trap 'rm -rf "$W"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# pack BUILD OUT: cpack of BUILD into OUT, leaving BUILD's record of its own
pack() {
    (cd "$1" && cpack -B "$2" >"$W/out" 2>&1) || { cat "$W/out"; fail "cpack of $1 failed"; }
    rm "$1/install_manifest_tessaloom.txt"
}
pack "$1" "$W/a"
deb=$(echo "$W"/a/tessaloom_*.deb)
dpkg-deb -f "$deb" Depends | grep libsdl1.2debian | grep libsdl-mixer1.2 | grep -w libgl1 >/dev/null || fail "Depends lacks SDL, mixer or GL"
dpkg-deb -x "$deb" "$W/root"
lintian --fail-on error,warning --pedantic -I "$deb" 2>&1 || fail "lintian"
appstreamcli validate --no-net "$W"/root/usr/share/metainfo/*.metainfo.xml || fail "AppStream metadata"
desktop-file-validate "$W"/root/usr/share/applications/tessaloom.desktop && grep -qx "Exec=/usr/bin/tessaloom %f" "$W"/root/usr/share/applications/tessaloom.desktop || fail "the desktop entry is not valid or not for /usr"

git -C "$2" rev-parse --git-dir >/dev/null 2>&1 || { echo "skipped: package: lintian and the entries passed; the second build needs a git checkout, for its files and time"; exit 77; }
git -C "$2" ls-files -z -co --exclude-standard | tar -C "$2" --null -T - -cf - | tar -xf - --one-top-level="$W/src"
cmake -S "$W/src" -B "$W/src/elsewhere" -DBUILD_TESTING=OFF >"$W/out" && cmake --build "$W/src/elsewhere" -j1 >>"$W/out" 2>&1 || { cat "$W/out"; fail "second build failed"; }
SOURCE_DATE_EPOCH=$(git -C "$2" log -1 --format=%ct) pack "$W/src/elsewhere" "$W/b"
cmp "$deb" "$W"/b/tessaloom_*.deb || fail "two packages of one commit differ"
