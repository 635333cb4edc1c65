# The README's tour, walked through with keys: the fan of three triangles
# round (0,0) placed with the arrows and z and seen on the canvas, coloured
# per vertex in COLOR mode (flat shading gives each triangle the colour of its
# last vertex), then exported from the panel. The pictures taken on the way
# and the export land in $TESS_BUILD/screenshots; `bash dev.sh shots` copies
# them to docs/.
source "$(dirname "$0")/lib.sh"
SHOTS=${TESS_BUILD:?}/screenshots && mkdir -p "$SHOTS"
user tour && mkdir -p "$DESK"
start_app USER="$TUSER" && wait_editor

png() { shot png "$SHOTS/$1.png" || fail "no screenshot $1"; }
# ok C WANT: colour component C (0 red, 1 green, 2 blue) of the picked
# vertex's triangle at SPOT shows WANT, 0 or 255; exactly, once opaque
ok() {
    local c
    read -ra c <<<"$(shot px $SPOT)"
    if [ "$2" = 255 ]; then [ "${c[$1]}" -ge 250 ]; else [ "${c[$1]}" -le 5 ]; fi
}
# drive C WANT: holds right or left on the chosen channel until C shows WANT
drive() {
    local t
    for t in 2.0 0.4 0.4 0.4 0.4; do
        ok "$1" "$2" && return 0
        tap "$([ "$2" = 255 ] && echo Right || echo Left)" "$t"
    done
    return 1
}
# colour X Y PX PY R G B: picks the vertex at (X, Y) and makes it opaque
# (R, G, B), each 0 or 255, watching its triangle at (PX, PY). Alpha is held
# up first, past the last channel, and red (always 255) is reached past the
# first; a stray channel step leaves a colour unreached and costs a pass.
colour() {
    SPOT="$3 $4"
    seek "$1" "$2"
    tap z
    for _ in 1 2 3; do
        tap Down 0.4; tap Right 1.5; tap Up 0.4
        drive 0 "$5" || continue
        run 1 Down Up; drive 1 "$6" || continue
        run 1 Down Up; drive 2 "$7" && return 0
    done
    fail "the triangle at $3,$4 shows $(shot px "$3" "$4"), not $5 $6 $7"
}

before=$(shot px 18 -72)
for v in "0 0" "-7 -4" "0 -8" "7 -4" "7 4"; do seek $v; tap z; done
[ "$(shot px 18 -72 | cut -d' ' -f2)" -gt "$(cut -d' ' -f2 <<<"$before")" ] || fail "the fan's cyan did not show"
# COLOR mode, from the panel's DESIGN MODE item.
tap space; seek 7; tap Right 0.3; tap space
colour 7 4 144 0 255 255 0
png color; tap z
colour 0 -8 18 -72 255 0 255; tap z
# Red, not cyan: the cursor blinks through cyan and is told from the fills by it.
colour 7 -4 102 -72 255 0 0; tap z
tap space; seek 7; tap Left 0.3; sleep 0.3; png panel
tap space; sleep 0.3; png editor

tap space; seek 27; tap z; written
cp "$EXPORT" "$SHOTS/model_data.txt"
diff <(grep -F glVertex2f "$EXPORT" | tr -d '\t') - <<'END' || fail "the export does not hold the coloured fan"
glColor4f(0.00f, 1.00f, 1.00f, 0.30f);glVertex2f(0.f, 0.f);
glColor4f(0.00f, 1.00f, 1.00f, 0.30f);glVertex2f(-7.f, -4.f);
glColor4f(1.00f, 0.00f, 1.00f, 1.00f);glVertex2f(0.f, -8.f);
glColor4f(1.00f, 0.00f, 0.00f, 1.00f);glVertex2f(7.f, -4.f);
glColor4f(1.00f, 1.00f, 0.00f, 1.00f);glVertex2f(7.f, 4.f);
END
grep -qxF $'\tglDrawArrays(GL_TRIANGLE_FAN,0,5);' "$EXPORT" || fail "the export lacks the fan's draw call"
end_ok
echo "ok: tour walked, pictures and export in $SHOTS"
