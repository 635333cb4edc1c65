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
# channel_to up|down: to the first or last colour channel, past either end
channel_to() { hold "$1" 0.6; }
# full up|down: the chosen channel to 1 or 0, more steps than the 20 it takes
full() { hold "$([ "$1" = up ] && echo Right || echo Left)" 3; }
# colour X Y STEPS...: picks the vertex at (X, Y) and runs the colour steps
colour() { cursor_to "$1" "$2"; tap z; shift 2; for s in "$@"; do $s; done; }

# The fan, in DRAW mode, round its hub at the centre.
CURSOR_AT="0 0"
for v in "0 0" "-7 -4" "0 -8" "7 -4" "7 4"; do cursor_to $v; tap z; done
# COLOR mode, from the panel's DESIGN MODE item.
tap space; panel_to 7; hold Right 0.3; tap space
# The last vertex yellow, opaque; its read-outs show while it is picked.
colour 7 4 "channel_to Up" "full up" "step Down" "step Down" "full down" "channel_to Down" "full up"
sleep 0.3; shoot color; tap z
colour 0 -8 "full up" "channel_to Up" "full up" "step Down" "full down"; tap z
# Red, not cyan: the cursor blinks through cyan and is told from the fills by it.
colour 7 -4 "channel_to Up" "full up" "step Down" "full down" "step Down" "full down" "channel_to Down" "full up"; tap z
# Back to DRAW mode: the panel, its cursor on DESIGN MODE, then the editor.
tap space; panel_to 7; hold Left 0.3; sleep 0.3; shoot panel
tap space; sleep 0.3; shoot editor

# Each triangle shows its colour at its centre (offsets from the window's).
near() {  # X Y R G B: the pixel is within 60 of that colour
    local got r g b
    got=$(pixel "$1" "$2"); read -r r g b <<<"$got"
    for d in $(( r - $3 )) $(( g - $4 )) $(( b - $5 )); do
        [ "${d#-}" -le 60 ] || fail "pixel $1,$2 is $got, not near $3 $4 $5"
    done
}
near 18 -72 255 0 255
near 102 -72 255 0 0
near 144 0 255 255 0
echo "ok: screenshots in $SHOTS"

tap space; panel_to 27; tap z; wait_file "$EXPORT"
cp "$EXPORT" "$SHOTS/model_data.txt"
[ "$(grep -cF glColor4f "$EXPORT")" -ge 5 ] || fail "no per-vertex colours in the export"
grep -qF $'\t\tglColor4f(1.00f, 0.00f, 1.00f, 1.00f);' "$EXPORT" || fail "magenta corner not exported"
end_ok
