# The model file on the real program: what is not a model refused before any
# window; an export opened, exported again byte for byte, edited with keys and
# exported with the edit and nothing else; the title telling the model's state
# and the cue the export's outcome (in the captured sound); a missing folder
# and a write stopped halfway leave the file as it was, and the editor runs on.
source "$(dirname "$0")/e2e_lib.sh"
# The golden export, and the same with a vertex at (0, 0) appended to layer 1.
GOLD=$(dirname "$E2E")/export_model.txt EDITED=$(dirname "$E2E")/export_model_edited.txt M=$WORK/models
mkdir "$M"

# Every bad model of tests/bad_models, and a folder: status 1 and the one line
# naming the file, its line and what was expected there; no display is needed
# to say so, as no window opens; the files stay as they were.
cp -r "$(dirname "$E2E")/bad_models/." "$M" && mkdir "$M/folder" && cp -r "$M" "$WORK/kept"
while IFS= read -r fault; do
    RC=0 && (cd "$M" && exec env -u DISPLAY "$BIN" "${fault%%:*}") >"$WORK/out" 2>"$WORK/err" || RC=$?
    [ "$RC" = 1 ] && [ ! -s "$WORK/out" ] && [ "$(cat "$WORK/err")" = "tessaloom: $fault" ] || fail "${fault%%:*} not refused"
done < <(cat "$M/faults.txt" && echo "folder: Is a directory")
diff -r "$M" "$WORK/kept" || fail "a refused file changed"

# titled TITLE: the window comes to be named TITLE
titled() { local want=$1; within "$WAIT" '[ "$(xdotool getwindowname "$WIN")" = "$want" ]' || fail "titled $(xdotool getwindowname "$WIN")"; }
# exported CODE: EXPORT TO TEXT pressed till CODE comes true; the pitch of its
# cue in PITCH, to be compared with another's (sdl12-compat captures at twice
# the rate classic SDL does, which halves every pitch read). Half a second of sound goes by first, so that the cues before,
# mixed ahead, are in the capture by then.
exported() {
    local from
    from=$(stat -c %s "$WORK/sound")
    within "$WAIT" '[ $(stat -c %s "$WORK/sound") -gt $((from + 44100)) ]' || fail "no sound captured"
    from=$(stat -c %s "$WORK/sound")
    hold z "$1" || fail "no export"
    within "$WAIT" '[ $(stat -c %s "$WORK/sound") -gt $((from + 88200)) ]' || fail "no sound captured"
    PITCH=$("$PY" "$E2E/e2e_cue.py" "$WORK/sound" "$from")
}
changed() { echo "[ \"\$(stat -c %.9Y '$M/ship.txt')\" != $(stat -c %.9Y "$M/ship.txt") ]"; }

cp "$GOLD" "$M/ship.txt"
ARGS=(../models/ship.txt)
start_app SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$WORK/sound" SDL_DISKAUDIODELAY=10
wait_editor "ship.txt - Tessaloom"
to_panel
seek 27
exported "$(changed)"
cmp "$M/ship.txt" "$GOLD" || fail "opened and exported again: not the same bytes"
CONFIRM=$PITCH
to_canvas
hold z '[ "$(shot)" = "- - -" ]' || fail "no vertex picked up"
titled "*ship.txt - Tessaloom"
to_panel
exported "$(changed)"
cmp "$M/ship.txt" "$EDITED" || fail "the edit exported, and nothing else"
titled "ship.txt - Tessaloom"

mv "$M" "$WORK/away"
exported 'grep -q "export not written: No such file" "$WORK/err"'
[ $((PITCH * 5)) -lt $((CONFIRM * 4)) ] || fail "a failed export sounds as high as a confirm cue ($PITCH Hz)"
CANCEL=$PITCH
titled "ship.txt - export failed: No such file or directory - Tessaloom"
mv "$WORK/away" "$M"
# untitled: x tapped on the canvas till a vertex is removed and the title shows the edit
untitled() {
    to_canvas
    for _ in 1 2 3; do tap x; ! within 10 '[ "$(xdotool getwindowname "$WIN" | head -c1)" = "*" ]' || break; done
    to_panel
}
untitled
exported "$(changed)"
cmp "$M/ship.txt" "$GOLD" && [ $((PITCH * 4)) -gt $((CANCEL * 5)) ] || fail "the vertex removed not exported, or a cue as low as cancel ($PITCH Hz)"
titled "ship.txt - Tessaloom"
# Another vertex removed, the text shorter: of it, the file-size limit lets
# 400 bytes in (and none of the captured sound, from then on).
untitled
prlimit --pid "$APP" --fsize=400:
hold z 'grep -q "export not written: File too large" "$WORK/err"' || fail "no export"
cmp "$M/ship.txt" "$GOLD" || fail "a write stopped halfway changed the file"
prlimit --pid "$APP" --fsize=unlimited:
hold z "$(changed)" || fail "no export once the limit is lifted"
end_ok q
