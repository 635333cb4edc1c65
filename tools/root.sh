# The way root is had, sourced by dev.sh, tools/export_folder.sh and the
# end-to-end tests: as root itself, else through sudo when it needs no
# password, else, when the caller may ask, through sudo at a terminal of a
# user in an admin group (sudo, admin or wheel).
#
# root_probe MODE [WHY]: found once; sets ROOT to "" (root) or the sudo command
# to run things with, or to none, with NOROOT saying why. MODE: "ask" asks for
# the password now, once, printing WHY first; "later" leaves the asking to
# sudo's first command; "never" takes only a sudo that needs no password, and
# keeps it from ever asking.
ROOT=unknown NOROOT=""
root_probe() {
    [ "$ROOT" = unknown ] || return 0
    ROOT=none
    if [ "$(id -u)" -eq 0 ]; then
        ROOT=""
    elif ! command -v sudo >/dev/null; then
        NOROOT="sudo is not installed"
    elif sudo -n true 2>/dev/null; then
        ROOT=sudo
    elif ! id -nG | grep -qwE 'sudo|admin|wheel'; then
        NOROOT="$(id -un) is not in the sudo group"
    elif [ ! -t 0 ]; then
        NOROOT="sudo needs a password and there is no terminal to ask at"
    elif [ "$1" = later ]; then
        ROOT=sudo
    elif [ "$1" = ask ]; then
        echo "$2" >&2
        if sudo -v; then ROOT=sudo; else NOROOT="sudo refused"; fi
    else
        NOROOT="sudo needs a password"
    fi
    [ "$1" != never ] || [ "$ROOT" != sudo ] || ROOT="sudo -n"
}
