# The Debian package of the build in $1 (cpack): installs into /usr, depends on
# the SDL, mixer and GL libraries, and its menu entry starts /usr/bin/tessaloom.
set -euo pipefail
W=$(mktemp -d /tmp/tess-deb.XXXXXX)
trap 'rm -rf "$W"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
(cd "$1" && cpack -B "$W" >"$W/out" 2>&1) || { cat "$W/out"; fail "cpack failed"; }
rm "$1/install_manifest_tessaloom.txt"
deb=$(echo "$W"/tessaloom_*.deb)
dpkg-deb -f "$deb" Depends | grep libsdl1.2debian | grep libsdl-mixer1.2 | grep -w libgl1 >/dev/null || fail "Depends lacks SDL, mixer or GL"
dpkg-deb -x "$deb" "$W/root"
[ "$(readlink "$W/root/usr/bin/tessaloom")" = ../libexec/tessaloom/tessaloom ] && [ -x "$W/root/usr/libexec/tessaloom/tessaloom" ] &&
    [ -d "$W/root/usr/share/tessaloom/Tessaloom.app" ] || fail "not a launcher in /usr/bin, the program in /usr/libexec and its bundle in /usr/share"
grep -qx Exec=/usr/bin/tessaloom "$W/root/usr/share/applications/tessaloom.desktop" || fail "the menu entry does not start /usr/bin/tessaloom"
echo "ok: $(basename "$deb")"
