# A fresh export pasted into the example program (examples/show_model.c) as
# the README says, built with every warning an error, draws what the editor
# draws. The model is the tour's (docs/model_data.txt): a fan coloured per
# vertex, each triangle shown flat in its last vertex's colour, magenta, red
# and yellow, all opaque so that no background shows through. The editor
# opens it, its file is emptied, and the editor's export writes it again.
source "$(dirname "$0")/e2e_lib.sh"
# px REGION...: the window's pixels (e2e_shot.py)
px() { xwd -silent -id "$WIN" | "$PY" "$E2E/e2e_shot.py" "$@"; }
# The same model points, in half units, on the editor's canvas (18 pixels a
# unit about (460, 300)) and in both halves of the example's window (400
# pixels across the model area's width, about (200, 200) and (600, 200)):
# inside each triangle, and twice outside them all.
P=(-5 -8 5 -8 9 1 -5 5 5 9)
# at X0 Y0 NUM DEN: the points as pixels, NUM/DEN pixels a half unit about (X0, Y0)
at() { for ((i = 0; i < ${#P[@]}; i += 2)); do echo "$(($1 + P[i] * $3 / $4)),$(($2 + P[i + 1] * $3 / $4))"; done; }
# seen REGION...: the colours there, M magenta, R red, Y yellow, - other
seen() { px "$@" | sed -E 's/^ff00ff$/M/; s/^ff0000$/R/; s/^ffff00$/Y/; s/^.{6}$/-/' | tr -d '\n'; }

EXPORT=$WORK/model.txt
cp "$E2E/../../docs/model_data.txt" "$EXPORT"
ARGS=("$EXPORT")
start_app
wait_editor "model.txt - Tessaloom"
edited=$(seen $(at 460 300 9 1))
[ "$edited" = MRY-- ] || fail "the editor drew $edited"
: >"$EXPORT"
to_panel
seek 27
hold z '[ -s "$EXPORT" ]' || fail "no export"
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
