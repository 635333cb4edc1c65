# The real program in good and bad surroundings. Without a display it ends at
# once with a message. Otherwise each row is a short session that must stay
# usable (a vertex exported, or the failure reported) and end with status 0
# on Escape, q or window close, however broken its audio, bundle, USER or
# desktop; and say what is broken.
source "$(dirname "$0")/lib.sh"
BUILT=$BIN N=0
# has out|err COUNT REGEX: that many lines of stdout or stderr match
has() { [ "$(grep -cE -- "$3" "$WORK/$1")" = "$2" ] || fail "not $2 line(s) /$3/ on std$1"; }
# usable END [env...]: a session as a fresh user with a desktop, its export
# checked, the light pixels of its text counted in TEXT, ended by END
usable() { user $(( N += 1 )); mkdir -p "$DESK"; session "${@:2}"; exported; TEXT=$(shot bright); end_ok "$1"; }
# copy: a fresh copy of the program and bundle to break; RES its resource folder
copy() {
    rm -rf "$WORK/inst" && mkdir "$WORK/inst" && cp -r "$BUILT" "${TESS_BUILD:?}/Tessaloom.app" "$WORK/inst/"
    BIN=$WORK/inst/tessaloom RES=$WORK/inst/Tessaloom.app/Contents/Resources/init.component
}

start_app DISPLAY=
reap 5
[ "$RC" != 0 ] && [ "$RC" -lt 128 ] || fail "without a display: status $RC"
has err 1 '^tessaloom: '

# Through a link in another folder: the bundle is found beside the real file.
mkdir "$WORK/elsewhere" && ln -s "$BUILT" "$WORK/elsewhere/tessaloom" && BIN=$WORK/elsewhere/tessaloom
usable q SDL_AUDIODRIVER=nosuch
[ "$TEXT" -gt 0 ] || fail "no text drawn"
has out 1 '^SDL_MIXER:.+' && has out 0 KAKUNIN && has err 0 'not found beside'
BIN=$BUILT
usable close SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/nonexistent/audio.raw SDL_DISKAUDIODELAY=0
has out 1 '^SDL_MIXER:.+'

user long
session USER="$(printf 'u%.0s' $(seq 482))"
failed 1 /Users/
end_ok
has err 1 '^USER is too long for the export path$'

# Once the desktop is put right the next export of the session succeeds.
user nodesk
mkdir -p "/Users/$TUSER"
session
failed 1 "$EXPORT"
mkdir "$DESK" && tap z && exported
end_ok

# Root writes anywhere: an unprivileged editor, on a desktop it cannot write.
user ro
mkdir -p "$DESK" && echo previous >"$EXPORT"
session HOME=/nonexistent setpriv --reuid=65534 --regid=65534 --clear-groups
failed 1 "$EXPORT"
[ "$(cat "$EXPORT")" = previous ] && [ "$(stat -c %s "$EXPORT")" = 9 ] || fail "the previous export changed"
[ ! -e "$EXPORT.tmp" ] || fail "a temporary file was left"
chmod 777 "$DESK" && tap z && exported
end_ok

copy
rm "$RES/BGM1.dat" && : >"$RES/BGM2.dat" && echo garbage >"$RES/seC00.dat" && rm "$RES/seC02.dat" && mkdir "$RES/seC02.dat"
usable Escape
has out 4 '^(BGM_|SE_C)\['
for tag in 'BGM_\[1\] : .*/BGM1\.dat' 'BGM_\[2\] : .+' 'SE_C\[0\] : .+' 'SE_C\[7\] : .+'; do has out 1 "^$tag"; done

# Missing, empty, not a BMP, 100 pixels wide.
copy
rm "$RES/iFC06.dat" && : >"$RES/iFC12.dat" && echo glyphs >"$RES/iFD06.dat"
printf '\x64\x00' | dd of="$RES/iFD12.dat" bs=1 seek=18 conv=notrunc 2>/dev/null
usable Escape
[ "$TEXT" = 0 ] || fail "text drawn from broken glyph sheets"
has out 4 '^KAKUNIN 1$'
for s in iFC06 iFC12 iFD06 iFD12; do has err 1 "glyph sheet .*/$s\.dat"; done

copy
rm "$RES"/*
usable Escape
has out 4 '^KAKUNIN 1$' && has out 12 '^(BGM_|SE_C)\['
copy
rm -r "$WORK/inst/Tessaloom.app"
usable Escape
has out 4 '^KAKUNIN 1$' && has out 12 '^(BGM_|SE_C)\[' && has err 1 'Tessaloom.app not found beside the executable'
echo "ok: every surrounding"
