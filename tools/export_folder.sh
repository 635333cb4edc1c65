#!/usr/bin/env bash
# The export's folder. The editor writes /Users/$USER/Desktop/model_data.txt, a
# layout Linux lacks, so the set-up gives it one: a link to the user's desktop.
#   export_folder.sh provide   make the link, as root or through sudo
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
hint() {
    local make=""
    [ -d "$desk" ] || make="mkdir -p $(printf %q "$desk") && "
    echo "tessaloom: to give the export its folder, run: ${make}sudo mkdir -p $(printf %q "/Users/$USER")" \
        "&& sudo ln -s $(printf %q "$desk") $(printf %q "$want")"
}

case "${1:-}" in
provide)
    echo "tessaloom: $want does not exist; making it a link to $desk for the export"
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    mkdir -p "$desk" && "${sudo[@]}" mkdir -p "/Users/$USER" && "${sudo[@]}" ln -s "$desk" "$want" || hint
    ;;
hint)
    echo "tessaloom: $want does not exist, so exports will fail"
    hint
    ;;
*)
    echo "usage: bash tools/export_folder.sh provide|hint" >&2
    exit 2
    ;;
esac
