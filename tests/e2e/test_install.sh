# Installing the build into a fresh prefix gives the launcher link, the bundle
# beside the real executable, the desktop entry and the icon; the installed
# program, started through the launcher from another folder, finds its
# resources, shows the editor and ends on Escape.
source "$(dirname "$0")/lib.sh"
P=$WORK/prefix
cmake --install "${TESS_BUILD:?}" --prefix "$P" >"$WORK/out" 2>&1 || fail "cmake --install failed"
[ -L "$P/bin/tessaloom" ] && [ "$(readlink -f "$P/bin/tessaloom")" = "$P/share/tessaloom/tessaloom" ] || fail "no launcher link"
diff -r "$TESS_BUILD/Tessaloom.app" "$P/share/tessaloom/Tessaloom.app" || fail "the installed bundle differs"
D=$P/share/applications/tessaloom.desktop
[ "$(head -1 "$D")" = "[Desktop Entry]" ] && grep -qx Exec=tessaloom "$D" && grep -qx Icon=tessaloom "$D" || fail "bad desktop entry"
"$PY" -c 'import sys, xml.dom.minidom as m; assert m.parse(sys.argv[1]).documentElement.tagName == "svg"' \
    "$P/share/icons/hicolor/scalable/apps/tessaloom.svg" || fail "the icon is not an SVG"

BIN=$P/bin/tessaloom
start_app
wait_editor
read -r r g b <<<"$(shot px 321 -45)"  # a canvas cell outside the model area: the background
[ "$r" -lt 8 ] && [ "$g" -lt 8 ] && [ "$b" -ge 120 ] && [ "$b" -le 135 ] || fail "the background is $r $g $b, not the editor's blue"
end_ok
! grep -qE '^(KAKUNIN|BGM_|SE_C)' "$WORK/out" || fail "the installed program lacks resources"
echo "ok: installed, and the installed launcher shows the editor"
