# A fresh export pasted into the example program (examples/show_model.c) as
# the README says, built with every warning an error, draws what the editor
# draws. The model: a fan of two triangles coloured per vertex, shown flat in
# the colour of each one's last vertex, white and cyan, both opaque so that no
# background shows through; compared at points inside each and outside both,
# in both halves of the example's window.
source "$(dirname "$0")/e2e_lib.sh"
# px REGION...: the window's pixels (e2e_shot.py)
px() { xwd -silent -id "$WIN" | "$PY" "$E2E/e2e_shot.py" "$@"; }
# move X Y: the canvas cursor to (X, Y) as seek moves the bar, across, then down or up
move() {
    local at n k
    for _ in $(seq 30); do
        at=$(shot | cut -d' ' -f1,2)
        [ "$at" != "$1 $2" ] || return 0
        [ "$at" != "- -" ] || { sleep 0.1; continue; }
        n=$(($1 - ${at% *})) k=Right && [ $n != 0 ] || n=$(($2 - ${at#* })) k=Down
        [ $n -gt 0 ] || { k=${k/Right/Left} && k=${k/Down/Up}; }
        xdotool $(for _ in $(seq "${n#-}"); do echo keydown $k sleep "$STEP" keyup $k sleep "$GAP"; done) sleep "$SHOWN"
    done
    fail "the cursor did not reach $1,$2"
}
# press CODE: z tapped until CODE comes true; again only after a tap went unseen
# (one tap is one press at most, and z toggles)
press() { for _ in 1 2 3 4 5; do tap z; ! within 10 "$1" || return 0; done; fail "z did not bring $1"; }
# put X Y: a vertex appended there, shown by the fill of its marker 4 pixels
# right of the cursor's centre, clear of the cursor's marks
put() {
    move "$1" "$2"
    local at=$((464 + 18 * $1)),$((301 + 18 * $2))
    press "[ \"\$(px $at)\" != $(px "$at") ]"
}
# pick X Y, drop X Y: in COLOR mode, the vertex there picked (the cursor's
# cross goes) or put down (it is back)
pick() { press '[ "$(shot | cut -d" " -f1)" = - ]'; }
drop() { press "[ \"\$(shot | cut -d' ' -f1,2)\" = '$1 $2' ]"; }
# panel, canvas: space until that pane has the input (the bar lights, the cross shows)
panel() { for _ in 1 2 3 4 5; do tap space; ! within 10 '[ "$(shot | cut -d" " -f3)" != - ]' || return 0; done; fail "no panel"; }
canvas() { for _ in 1 2 3 4 5; do tap space; ! within 10 '[ "$(shot | cut -d" " -f1)" != - ]' || return 0; done; fail "no canvas"; }

user example
start_app USER="$TUSER"
wait_editor
for v in "0 0" "0 -8" "8 0" "0 8"; do put $v; done
# DESIGN MODE (item 7) to COLOR: its value's first letter shows where DRAW leaves a blank.
panel
seek 7
hold Right 'px 96,90,6,8 | grep -qE "^(.{6})*[4-9a-f]"' || fail "no COLOR mode"
canvas
# Vertex 4 white: red to 1 (at alpha 0.3 over the red-free canvas it shows as
# 76, and 0.95 as 73); then, right still held, down moves the chosen channel
# past green and blue, which stand at 1, to alpha.
pick 0 8
hold Right '[ $((16#$(px 487,381 | cut -c1-2))) -ge 75 ]' || fail "vertex 4's red not raised"
xdotool keydown Right
within "$WAIT" 'tap Down; [ "$(px 487,381)" = ffffff ]' || fail "vertex 4 not white"
xdotool keyup Right
drop 0 8
# Vertex 3 cyan: alpha to 1, the channel still chosen.
move 8 0
pick 8 0
hold Right '[ "$(px 505,237)" = 00ffff ]' || fail "vertex 3 not opaque"
panel
seek 27
hold z '[ "$(head -c4 "$EXPORT" 2>/dev/null)" = SIZE ]' || fail "no export $EXPORT"

# The same model points, in half units, on the editor's canvas (18 pixels a
# unit about (460, 300)) and in both halves of the example's window (400
# pixels across the model area's width, about (200, 200) and (600, 200)):
# inside the cyan triangle, inside the white one, outside both.
P=(5 -7 9 -3 3 9 7 5 -7 -7 11 11)
# at X0 Y0 NUM DEN: the points as pixels, NUM/DEN pixels a half unit about (X0, Y0)
at() { for ((i = 0; i < ${#P[@]}; i += 2)); do echo "$(($1 + P[i] * $3 / $4)),$(($2 + P[i + 1] * $3 / $4))"; done; }
# seen REGION...: the colours there, C cyan, W white, - other
seen() { px "$@" | sed -E 's/^00ffff$/C/; s/^ffffff$/W/; s/^.{6}$/-/' | tr -d '\n'; }
edited=$(seen $(at 460 300 9 1))
[ "$edited" = CCWW-- ] || fail "the editor drew $edited"
end_ok

# Pasted as the README says: the SIZE line's numbers, each glBegin ~ glEnd
# block's lines from glBegin to glEnd, each Arrays block's from float cl to glDrawArrays.
read -r X Y < <(sed -n 's/^SIZE X = \([0-9]*\), Y = \([0-9]*\)$/\1 \2/p' "$EXPORT")
awk '/glBegin\(/,/glEnd\(\);/' "$EXPORT" >"$WORK/immediate"
awk '/float cl/,/glDrawArrays/' "$EXPORT" >"$WORK/arrays"
sed -e "s/^#define SIZE_X .*/#define SIZE_X $X/" -e "s/^#define SIZE_Y .*/#define SIZE_Y $Y/" \
    -e "/lines from glBegin to glEnd/r $WORK/immediate" -e "/lines from float cl to glDrawArrays/r $WORK/arrays" \
    "$E2E/../../examples/show_model.c" >"$WORK/show_model.c"
cc -Wall -Wextra -Werror "$WORK/show_model.c" $(pkg-config --cflags --libs sdl) -lGL -o "$WORK/show_model" 2>"$WORK/err" ||
    fail "the example did not build"
"$WORK/show_model" >"$WORK/out" 2>"$WORK/err" &
APP=$!  # stopped by its pid at the end, as the editor would be
within "$WAIT" 'WIN=$(xdotool search --onlyvisible --name "^show_model$" 2>/dev/null | sed -n 1p); [ "$WIN" ]' || fail "no example window"
# drawn: what the example's two halves show there
drawn() { echo "$(seen $(at 200 200 200 "$X")) $(seen $(at 600 200 200 "$X"))"; }
within "$WAIT" '[ "$(drawn)" = "$edited $edited" ]' || fail "the example drew $(drawn) (glBegin ~ glEnd, Arrays), not $edited"
