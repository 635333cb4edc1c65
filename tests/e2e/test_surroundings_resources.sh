# Missing resources: an empty resource folder, and no bundle beside the
# program at all. Every one of the sixteen files is reported by name, the
# text is transparent, and the editor still edits, exports and ends normally.
# Started through a link from another folder, the program still finds the
# bundle beside its real file.
source "$(dirname "$0")/lib.sh"
start_xvfb

SOUNDS=(BGM0 BGM1 BGM2 seC00 seC01_0 seC01_1 seC01_2 seC01_3 seC01_4 seC01_5 seC02 seD00)

# all_missing: each sheet and each sound file named in its own message
all_missing() {
    [ "$TEXT" = 0 ] || fail "$TEXT light pixels without glyph sheets"
    [ "$(grep -cx "KAKUNIN 1" "$WORK/out")" = 4 ] || fail "not four KAKUNIN 1"
    for s in iFC06 iFC12 iFD06 iFD12; do
        grep -q "cannot read glyph sheet .*/$s\.dat" "$WORK/err" || fail "no message naming $s.dat"
    done
    for i in "${!SOUNDS[@]}"; do
        if [ "$i" -lt 3 ]; then tag="BGM_\[$i\]"; else tag="SE_C\[$(( i - 3 ))\]"; fi
        grep -qE "^$tag : .*/${SOUNDS[$i]}\.dat" "$WORK/out" || fail "no line $tag naming ${SOUNDS[$i]}.dat"
    done
}

install_copy
rm -f "$RES"/*
usable_session empty
all_missing
echo "ok: empty resource folder -> 16 files reported, editor usable"

install_copy
rm -r "$WORK/inst/Tessaloom.app"
usable_session nobundle
grep -q "Tessaloom.app not found beside the executable" "$WORK/err" || fail "no message for the missing bundle"
all_missing
echo "ok: no bundle -> $(head -1 "$WORK/err")"

# A link in an unrelated folder to a copy that has its bundle.
install_copy
mkdir -p "$WORK/elsewhere"
ln -s "$TESS_BIN" "$WORK/elsewhere/tessaloom"
TESS_BIN=$WORK/elsewhere/tessaloom
usable_session linked
[ "$TEXT" -gt 0 ] || fail "no text when started through a link"
[ ! -s "$WORK/out" ] || fail "resource messages when started through a link"
echo "ok: started through a link -> bundle found, text drawn"
