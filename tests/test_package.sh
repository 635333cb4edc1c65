# The Debian package of the build in $1 (cpack): depends on the SDL, mixer and
# GL libraries, and installs into /usr, its menu entry starting /usr/bin/tessaloom.
# The layout under the prefix is the install test's (e2e/test_surroundings.sh).
set -euo pipefail
W=$(mktemp -d /tmp/tess-deb.XXXXXX)
trap 'rm -rf "$W"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
(cd "$1" && cpack -B "$W" >"$W/out" 2>&1) || { cat "$W/out"; fail "cpack failed"; }
rm "$1/install_manifest_tessaloom.txt"
deb=$(echo "$W"/tessaloom_*.deb)
dpkg-deb -f "$deb" Depends | grep libsdl1.2debian | grep libsdl-mixer1.2 | grep -w libgl1 >/dev/null || fail "Depends lacks SDL, mixer or GL"
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/tessaloom.desktop | grep -qx Exec=/usr/bin/tessaloom || fail "not installed into /usr"
