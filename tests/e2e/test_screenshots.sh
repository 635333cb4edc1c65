# The README's screenshots, taken of the real program: a fan of three
# triangles built on the canvas and coloured per vertex (flat shading gives
# each triangle the colour of its last vertex), the COLOR mode read-outs of a picked
# vertex, the panel with its cursor and the editor; then its export. They
# land in $TESS_BUILD/screenshots; `bash dev.sh shots` copies them to docs/.
source "$(dirname "$0")/lib.sh"
SHOTS=${TESS_BUILD:?}/screenshots
mkdir -p "$SHOTS"
start_xvfb
e2e_user shots
mkdir -p "$DESK"
start_app USER="$TUSER"
wait_window

shoot() { "$XT" shot Tessaloom "$WORK/$1.bmp" && python3 "$E2E_DIR/shot.py" png "$WORK/$1.bmp" "$SHOTS/$1.png" || fail "no screenshot $1"; }
# channel_to Up|Down: to the first or last colour channel, past either end
channel_to() { hold "$1" 0.6; }
# full up|down: the chosen channel to 1 or 0, more steps than the 20 it takes
full() { hold "$([ "$1" = up ] && echo Right || echo Left)" 3; }
# near X Y R G B: the pixel at (X, Y) from the window's centre is within 60
# of that colour
near() {
    local r g b
    read -r r g b <<<"$(pixel "$1" "$2")"
    for d in $(( r - $3 )) $(( g - $4 )) $(( b - $5 )); do [ "${d#-}" -le 60 ] || return 1; done
}
# colour X Y PX PY R G B: picks the vertex at (X, Y) and makes it opaque
# (R, G, B), each 0 or 255, until its triangle shows that at (PX, PY). Every
# channel is set outright, so a missed or doubled channel step is mended by
# going over them again.
colour() {
    cursor_to "$1" "$2"
    tap z
    for _ in 1 2 3; do
        channel_to Up
        for c in "$5" "$6" "$7"; do full "$([ "$c" = 255 ] && echo up || echo down)"; step Down; done
        channel_to Down
        full up
        sleep 0.2
        near "$3" "$4" "$5" "$6" "$7" && return 0
    done
    fail "the triangle at $3,$4 shows $(pixel "$3" "$4"), not $5 $6 $7"
}

# The fan, in DRAW mode, round its hub at the centre.
CURSOR_AT="0 0"
for v in "0 0" "-7 -4" "0 -8" "7 -4" "7 4"; do cursor_to $v; tap z; done
# COLOR mode, from the panel's DESIGN MODE item.
tap space; panel_to 7; hold Right 0.3; tap space
# Each triangle takes its last vertex's colour. The last one yellow; its
# read-outs show while it is picked.
colour 7 4 144 0 255 255 0
shoot color; tap z
colour 0 -8 18 -72 255 0 255; tap z
# Red, not cyan: the cursor blinks through cyan and is told from the fills by it.
colour 7 -4 102 -72 255 0 0; tap z
# Back to DRAW mode: the panel, its cursor on DESIGN MODE, then the editor.
tap space; panel_to 7; hold Left 0.3; sleep 0.3; shoot panel
tap space; sleep 0.3; shoot editor
echo "ok: screenshots in $SHOTS"

tap space; panel_to 27; tap z; wait_file "$EXPORT"
cp "$EXPORT" "$SHOTS/model_data.txt"
[ "$(grep -cF glColor4f "$EXPORT")" -ge 5 ] || fail "no per-vertex colours in the export"
grep -qF $'\t\tglColor4f(1.00f, 0.00f, 1.00f, 1.00f);' "$EXPORT" || fail "magenta corner not exported"
end_ok
