# Exports into a bad desktop: missing, not a folder, read-only, the target a
# folder, a full disk. Each failure is reported with its path, leaves the
# previous export as it was and no temporary file; once the desktop is put
# right the next export of the same session succeeds.
source "$(dirname "$0")/lib.sh"
start_xvfb

PREVIOUS=$'previous export\n'
seed_previous() { printf '%s' "$PREVIOUS" >"$1"; }
same_previous() { [ "$(cat "$1"; echo .)" = "$PREVIOUS." ] || fail "previous export $1 changed"; }
# wait_new FILE: the previous export gives way to the triangle
wait_new() {
    for _ in $(seq 60); do [ "$(head -c 4 "$1")" = SIZE ] && break; sleep 0.05; done
    check_triangle "$1"
}
no_temp() { [ ! -e "$1.tmp" ] || fail "temporary file $1.tmp left behind"; }

# start [env assignments or wrapper...]: the editor with the triangle drawn
# and the panel cursor on EXPORT TO TEXT
start() { start_app USER="$TUSER" "$@"; wait_window; draw_triangle; to_export; }

# Desktop missing, then a plain file, then a real folder.
e2e_user nodesk
mkdir -p "/Users/$TUSER"
start
tap z
wait_failed 1
echo "not a folder" >"$DESK"
tap z
wait_failed 2
[ "$(cat "$DESK")" = "not a folder" ] || fail "the file named Desktop changed"
rm "$DESK" && mkdir "$DESK"
export_check
end_ok
wait_failed 2
echo "ok: missing desktop and desktop a file reported, the next export succeeds"

# The export path is a folder: kept with what it holds.
e2e_user dirpath
mkdir -p "$EXPORT" && echo inside >"$EXPORT/inner"
start
tap z
wait_failed 1
[ -d "$EXPORT" ] && [ "$(cat "$EXPORT/inner")" = inside ] || fail "the folder at the export path changed"
no_temp "$EXPORT"
rm -r "$EXPORT"
export_check
end_ok
echo "ok: export path a folder reported and kept"

# Read-only desktop, as root cannot be denied by permissions: a read-only
# bind mount in the editor's own mount namespace (so nothing leaks if the
# test dies), when this machine allows mounts.
if unshare -m sh -c "mount -t tmpfs tmpfs '$WORK'" 2>/dev/null; then
    e2e_user romount
    mkdir -p "$DESK" && seed_previous "$EXPORT"
    start unshare -m sh -c "mount --bind '$DESK' '$DESK' && mount -o remount,bind,ro '$DESK' && exec \"\$0\""
    tap z
    wait_failed 1
    same_previous "$EXPORT"
    no_temp "$EXPORT"
    nsenter -t "$APP_PID" -m umount "$DESK"
    tap z
    wait_new "$EXPORT"
    end_ok
    echo "ok: read-only mounted desktop reported, previous export kept"

    # A full disk: a 16 KiB tmpfs on the desktop, filled up after the previous
    # export was written; seen through the editor's /proc root.
    e2e_user fullfs
    mkdir -p "$DESK"
    start unshare -m sh -c "mount -t tmpfs -o size=16k tmpfs '$DESK' && printf '%s' '$PREVIOUS' >'$EXPORT' &&
        { dd if=/dev/zero of='$DESK/fill' bs=1k 2>/dev/null || true; } && exec \"\$0\""
    inside=/proc/$APP_PID/root
    tap z
    wait_failed 1
    same_previous "$inside$EXPORT"
    no_temp "$inside$EXPORT"
    rm "$inside$DESK/fill"
    tap z
    wait_new "$inside$EXPORT"
    end_ok
    echo "ok: full tmpfs desktop reported, previous export kept"
else
    echo "note: no mounts here; read-only and full disk only by the ways below"
fi

# Read-only for an unprivileged editor: a root-owned desktop it cannot write.
e2e_user nobody
mkdir -p "$DESK" && seed_previous "$EXPORT"
chmod 755 "$DESK"
start HOME=/nonexistent setpriv --reuid=65534 --regid=65534 --clear-groups
tap z
wait_failed 1
same_previous "$EXPORT"
no_temp "$EXPORT"
chmod 777 "$DESK"
tap z
wait_new "$EXPORT"
[ "$(stat -c %u "$EXPORT")" = 65534 ] || fail "the new export was not written by the unprivileged editor"
end_ok
echo "ok: desktop not writable for the editor's user reported, previous export kept"

# A disk that takes no more bytes: a soft RLIMIT_FSIZE of 0 fails every
# write of the export as a full disk does (EFBIG in place of ENOSPC; SIGXFSZ
# ignored so the write returns the error). Output goes through pipes, which
# the limit does not touch; lifting the limit from outside shows that the
# session lives on.
e2e_user fsize
mkdir -p "$DESK" && seed_previous "$EXPORT"
mkdir -p "$WORK/cwd"
(
    cd "$WORK/cwd"
    exec > >(cat >"$WORK/out") 2> >(cat >"$WORK/err")
    ulimit -S -f 0
    trap '' XFSZ
    exec env SDL_AUDIODRIVER=dummy $(app_preload) USER="$TUSER" "$TESS_BIN"
) &
APP_PID=$!
wait_window
draw_triangle
to_export
tap z
wait_failed 1
same_previous "$EXPORT"
no_temp "$EXPORT"
prlimit --pid "$APP_PID" --fsize=unlimited
tap z
wait_new "$EXPORT"
end_ok
echo "ok: file size limit reported, previous export kept"
