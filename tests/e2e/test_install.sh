# Installing the build to a fresh prefix gives a working program: the launcher
# on PATH, the bundle beside the real executable, a valid desktop entry and a
# well-formed icon; the installed program, started from another folder through
# the launcher, finds its resources, shows the editor and ends on Escape.
source "$(dirname "$0")/lib.sh"
P=$WORK/prefix
cmake --install "${TESS_BUILD:?}" --prefix "$P" >"$WORK/install.log" 2>&1 || { cat "$WORK/install.log" >&2; fail "cmake --install failed"; }

RES=$P/share/tessaloom/Tessaloom.app/Contents/Resources/init.component
[ -x "$P/share/tessaloom/tessaloom" ] || fail "no executable in share/tessaloom"
for f in iFC06 iFC12 iFD06 iFD12 BGM0 BGM1 BGM2 seC00 seC01_0 seC01_1 seC01_2 seC01_3 seC01_4 seC01_5 seC02 seD00; do
    [ -s "$RES/$f.dat" ] || fail "bundle file $f.dat missing"
done
[ -L "$P/bin/tessaloom" ] || fail "no launcher link in bin"
[ "$(readlink -f "$P/bin/tessaloom")" = "$(readlink -f "$P/share/tessaloom/tessaloom")" ] || fail "launcher points elsewhere"
[ "$(PATH=$P/bin:/usr/bin:/bin command -v tessaloom)" = "$P/bin/tessaloom" ] || fail "tessaloom not found on PATH"
echo "ok: executable, bundle and launcher installed"

D=$P/share/applications/tessaloom.desktop
[ -f "$D" ] || fail "no desktop entry"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$D" || fail "desktop entry does not validate"
fi
[ "$(head -1 "$D")" = "[Desktop Entry]" ] || fail "desktop entry has no [Desktop Entry] group first"
for kv in Type=Application Name=Tessaloom Exec=tessaloom Icon=tessaloom Categories=Graphics\; Terminal=false; do
    grep -qxF "$kv" "$D" || fail "desktop entry lacks $kv"
done
echo "ok: desktop entry"

I=$P/share/icons/hicolor/scalable/apps/tessaloom.svg
[ -f "$I" ] || fail "no icon"
python3 - "$I" <<'PY' || fail "icon is not a well-formed SVG with a drawing"
import sys, xml.dom.minidom
root = xml.dom.minidom.parse(sys.argv[1]).documentElement
assert root.tagName == "svg" and root.getAttribute("xmlns") == "http://www.w3.org/2000/svg"
assert root.getAttribute("viewBox") and root.getElementsByTagName("polygon")
PY
echo "ok: icon"

# The installed program, through the launcher, from an unrelated folder.
TESS_BIN=$P/bin/tessaloom
start_xvfb
start_app
wait_window
[ "$("$XT" size Tessaloom)" = 800x600 ] || fail "window is not 800x600"
read -r r g b <<<"$(pixel 321 -45)"   # canvas cell outside the model area: the background
[ "$r" -lt 8 ] && [ "$g" -lt 8 ] && [ "$b" -ge 120 ] && [ "$b" -le 135 ] || fail "background is $r $g $b, not the editor's blue"
read -r r g b <<<"$(pixel -93 99)"    # cell inside the model area: its fill over the background
[ "$r" -lt 8 ] && [ "$g" -lt 8 ] && [ "$b" -ge 145 ] && [ "$b" -le 160 ] || fail "model area is $r $g $b, not its fill"
hold Escape
wait_exit 5
[ "$RC" = 0 ] || fail "installed program ended with status $RC"
grep -q "KAKUNIN" "$WORK/out" && fail "installed program lacks its glyph sheets"
grep -qE "^(BGM_|SE_C)\[" "$WORK/out" && fail "installed program lacks its sounds"
grep -q "not found beside the executable" "$WORK/err" && fail "installed program did not find its bundle"
echo "ok: installed program shows the editor and ends on Escape"
