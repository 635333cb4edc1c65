#!/usr/bin/env bash
# The export's folder. The editor writes /Users/$USER/Desktop/model_data.txt, a
# layout Linux lacks, so the set-up gives it one: a link to the user's desktop.
#   export_folder.sh provide   make the link, as root or through sudo (when it
#                              can be had; else say how)
#   export_folder.sh hint      only say how, when the folder is missing
# An existing /Users/$USER/Desktop is never touched. Neither mode fails: the
# editor runs without the folder, and reports each export it cannot write.
set -u

if [ -z "${USER:-}" ]; then
    echo "tessaloom: USER is not set, so exports cannot be written; run: export USER=\$(id -un)"
    exit 0
fi
case $USER in
*/* | . | ..)
    echo "tessaloom: USER ($USER) is not a plain user name; no export folder is made for it"
    exit 0
    ;;
esac
want=/Users/$USER/Desktop
if [ -e "$want" ] || [ -L "$want" ]; then
    exit 0
fi
if [ -z "${HOME:-}" ]; then
    echo "tessaloom: HOME is not set, so there is no desktop folder to give the export"
    exit 0
fi
desk=$(xdg-user-dir DESKTOP 2>/dev/null) && [ -n "$desk" ] || desk=$HOME/Desktop
# How root's part is run: as root, through sudo when it can be had (sudo asks
# for a password itself, where it may), else by hand: then the hint says what
# to have run as root.
. "$(dirname "$(readlink -f "$0")")/root.sh"
root_probe later
# The editor says the same at start-up (export/exp_text.cpp), in the words for
# a user without sudo.
hint() {
    local make="" dir link
    [ -d "$desk" ] || make="mkdir -p $(printf %q "$desk")"
    dir="mkdir -p $(printf %q "/Users/$USER")" link="ln -s $(printf %q "$desk") $(printf %q "$want")"
    printf 'tessaloom: %s does not exist, so exports will fail; to give the export its folder, ' "$want"
    if [ "$ROOT" = none ]; then
        echo "${make:+run: $make, then }as root run: $dir && $link"
    else
        echo "run: ${make:+$make && }${ROOT:+$ROOT }$dir && ${ROOT:+$ROOT }$link"
    fi
}

case "${1:-}" in
provide | hint)
    if [ "$1" = provide ] && [ "$ROOT" != none ]; then
        echo "tessaloom: $want does not exist; making it a link to $desk for the export"
        mkdir -p "$desk" && $ROOT mkdir -p "/Users/$USER" && $ROOT ln -s "$desk" "$want" || { ROOT=none && hint; }
    else
        hint
    fi
    ;;
*)
    echo "usage: bash tools/export_folder.sh provide|hint" >&2
    exit 2
    ;;
esac
