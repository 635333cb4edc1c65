# Bad sound surroundings: an audio driver that does not exist or cannot
# open its device leaves the editor silent but working; missing and broken
# sound files are each reported with their own reason and never played.
source "$(dirname "$0")/lib.sh"
start_xvfb

# A silent editor must still edit, draw and export.
silent_run() {
    usable_session "$@"
    grep -qE '^SDL_MIXER:.+' "$WORK/out" || fail "no SDL_MIXER line with a reason"
}

SDL_AUDIODRIVER=nosuch-e2e-driver silent_run nodrv
echo "ok: unknown audio driver -> $(grep SDL_MIXER "$WORK/out")"

# The disk driver exists but cannot create its output file.
SDL_AUDIODRIVER=disk silent_run diskfail SDL_DISKAUDIOFILE=/nonexistent-e2e/dir/audio.raw SDL_DISKAUDIODELAY=0
echo "ok: audio device that cannot open -> $(grep SDL_MIXER "$WORK/out")"

# Broken sound files in a copied bundle: missing, empty, garbage, a cut
# header and a folder in place of a file.
install_copy
rm "$RES/BGM1.dat" "$RES/seD00.dat"
echo "not music at all" >"$RES/BGM0.dat"
: >"$RES/BGM2.dat"
head -c 20 "$TESS_BUILD/Tessaloom.app/Contents/Resources/init.component/seC00.dat" >"$RES/seC00.dat"
echo "RIFF but not a wave" >"$RES/seC01_2.dat"
rm "$RES/seC02.dat" && mkdir "$RES/seC02.dat"
e2e_user files
mkdir -p "$DESK"
start_app USER="$TUSER"
wait_window
# Cues that hit broken sounds: the confirm that opens the editor (seC01_2),
# every step (seC00) and the pane switch (seD00).
draw_triangle
to_export
export_check
# The music item, stepped through the three broken pieces to "off", then
# back to EXPORT TO TEXT for a second export.
panel_to 23
for _ in 1 2 3 4; do step Right; done
panel_to 27
rm "$EXPORT"
export_check
end_ok
reported=$(grep -oE '^(BGM_|SE_C)\[[0-9]\]' "$WORK/out" | tr '\n' ' ')
[ "$reported" = "BGM_[0] BGM_[1] BGM_[2] SE_C[0] SE_C[3] SE_C[7] SE_C[8] " ] ||
    fail "reported sounds: $reported"
# Each line keeps the reason of its own file, not the last failure's.
grep -E '^BGM_\[1\] : .*BGM1\.dat' "$WORK/out" >/dev/null || fail "BGM_[1] does not name BGM1.dat"
grep -E '^SE_C\[8\] : .*seD00\.dat' "$WORK/out" >/dev/null || fail "SE_C[8] does not name seD00.dat"
grep -E '^SE_C\[0\] : .*seD00\.dat' "$WORK/out" >/dev/null && fail "SE_C[0] carries the reason of seD00.dat"
echo "ok: broken sound files reported one by one:"
grep -E '^(BGM_|SE_C)\[' "$WORK/out" | sed 's/^/    /'
