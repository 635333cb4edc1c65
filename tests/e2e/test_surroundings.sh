# The real program in good and bad surroundings. Installed, staged (DESTDIR)
# under a prefix, it has every file in its own record (the build's
# install_manifest.txt stays the user's), the executable itself in bin, the
# bundle, a menu entry that starts it by its absolute path and the icon once
# (the entry's validity and the manual page: the package test). Each row is a short session that
# must stay usable (a vertex exported) and end with status 0 on Escape or q,
# however broken its bundle; and say what is broken. (Exports that fail are the
# unit tests'.)
source "$(dirname "$0")/e2e_lib.sh"
BUILT=$BIN
# has out|err COUNT REGEX: that many lines of stdout or stderr match
has() { [ "$(grep -cE -- "$3" "$WORK/$1")" = "$2" ] || fail "not $2 line(s) /$3/ on std$1"; }
# usable END [env...]: a session as the user last made, ended by END
usable() { session "${@:2}"; end_ok "$1"; }
# copy: a fresh copy of the program and bundle to break; RES its resource folder
copy() {
    rm -rf "$WORK/inst" && mkdir "$WORK/inst" && cp -r "$BUILT" "${TESS_BUILD:?}/Tessaloom.app" "$WORK/inst/"
    BIN=$WORK/inst/tessaloom RES=$WORK/inst/Tessaloom.app/Contents/Resources/init.component
}

R=$WORK/root P=$WORK/root/opt/tess M=${TESS_BUILD:?}/install_manifest_tessaloom.txt
DESTDIR=$R USER=tess-e2e-$$-none cmake --install "$TESS_BUILD" --component tessaloom --prefix /opt/tess >"$WORK/out" 2>&1 || fail "cmake --install failed"
[ "$(sort "$M")" = "$(find "$R" ! -type d -printf "/%P\n" | sort)" ] && rm "$M" || fail "$M is not the installed files"
has out 0 '^tessaloom:'
[ -x "$P/bin/tessaloom" ] && [ ! -L "$P/bin/tessaloom" ] || fail "the executable is not in bin"
diff -r "$TESS_BUILD/Tessaloom.app" "$P/share/tessaloom/Tessaloom.app" || fail "the installed bundle differs"
grep -qx "Exec=/opt/tess/bin/tessaloom %f" "$P/share/applications/tessaloom.desktop" || fail "the menu entry does not start /opt/tess/bin/tessaloom"
[ "$(find "$R" -name '*.svg')" = "$P/share/icons/hicolor/scalable/apps/tessaloom.svg" ] || fail "not one icon"

# The installed program through a link in another folder: the bundle in the
# real file's prefix is found and every resource in it loads. Its user has no export folder
# until the set-up links one to a new desktop, where the export then lands;
# the set-up leaves a folder that exists alone.
ln -s "$P/bin/tessaloom" "$WORK/tessaloom" && BIN=$WORK/tessaloom
user linked
rmdir "$DESK"
folder=(env USER="$TUSER" HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" bash "$E2E/../../tools/export_folder.sh")
"${folder[@]}" provide >"$WORK/out"
[ "$(readlink "$DESK")" = "$WORK/home/Desktop" ] && [ -d "$WORK/home/Desktop" ] || fail "no export folder made"
[ -z "$("${folder[@]}" provide)" ] || fail "an existing export folder touched"
EXPORT=$WORK/home/Desktop/model_data.txt
usable q
has out 0 '^(KAKUNIN|BGM_|SE_C|SDL_MIXER)' && has err 0 'not found beside|exports will fail'

# Broken sounds, and glyph sheets missing, empty, not a BMP and cut short.
copy
rm "$RES/BGM1.dat" && : >"$RES/BGM2.dat" && echo garbage >"$RES/seC00.dat" && rm "$RES/seC02.dat" && mkdir "$RES/seC02.dat"
rm "$RES/iFC06.dat" && : >"$RES/iFC12.dat" && echo glyphs >"$RES/iFD06.dat"
truncate -s 100 "$RES/iFD12.dat"
user broken
usable Escape
has out 4 '^(BGM_|SE_C)\[' && has out 4 '^KAKUNIN 1$'
for tag in 'BGM_\[1\] : .*/BGM1\.dat' 'BGM_\[2\] : .+' 'SE_C\[0\] : .+' 'SE_C\[7\] : .+'; do has out 1 "^$tag"; done
for s in iFC06 iFC12 iFD06 iFD12; do has err 1 "glyph sheet .*/$s\.dat"; done

# A bundle in the parent folder is not the program's.
copy
mv "$WORK/inst/Tessaloom.app" "$WORK/"
user nobundle
usable Escape
has out 4 '^KAKUNIN 1$' && has out 12 '^(BGM_|SE_C)\[' && has err 1 'Tessaloom.app not found beside the executable'
