#!/usr/bin/env bash
# Tries the Debian package made by scripts/package.sh on a clean Debian 12:
# a copy of a minimal bookworm (debootstrap) in which it is installed with
# apt-get, the batch tool verifies the installed example from /usr/bin, the
# program starts offscreen and from its menu entry's Exec line, and an
# archive opens the program as a double click in the file manager would
# (xdg-mime, gio open and xdg-open on an X server of its own, Xvfb).
#
#   scripts/check-package.sh [BASE]     (as root; takes a few minutes)
#
# BASE is the clean system, made by debootstrap when it does not exist
# (default build-package/bookworm); every check runs in a fresh copy of it,
# BASE.check, left in place to look into after a run.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

if [[ $(id -u) -ne 0 ]]; then
    echo "check-package.sh: debootstrap and chroot need root" >&2
    exit 1
fi
debs=(build-package/calvex_*.deb)
if [[ ${#debs[@]} -ne 1 || ! -f ${debs[0]} ]]; then
    echo "check-package.sh: build the package first, with scripts/package.sh (one build-package/calvex_*.deb)" >&2
    exit 1
fi
deb=${debs[0]}
base=${1:-build-package/bookworm}
if [[ ! -d $base ]]; then
    command -v debootstrap >/dev/null ||
        DEBIAN_FRONTEND=noninteractive apt-get install -y debootstrap
    debootstrap --variant=minbase bookworm "$base" http://deb.debian.org/debian
fi

system=$base.check
rm -rf "$system"
cp -a "$base" "$system"
mounted=()
cleanup() {
    local index
    for ((index = ${#mounted[@]} - 1; index >= 0; index--)); do
        umount "${mounted[index]}" || umount -l "${mounted[index]}"
    done
}
trap cleanup EXIT
mount -t proc proc "$system/proc" && mounted+=("$system/proc")
mount -t sysfs sys "$system/sys" && mounted+=("$system/sys")
mount --bind /dev "$system/dev" && mounted+=("$system/dev")
mount --bind /dev/pts "$system/dev/pts" && mounted+=("$system/dev/pts")
cp /etc/resolv.conf "$system/etc/resolv.conf"
cp "$deb" "$system/tmp/"

chroot "$system" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    bash -s "$(basename "$deb")" <<'INSIDE'
set -euo pipefail
deb=$1
export DEBIAN_FRONTEND=noninteractive
step() { printf '\n=== %s\n' "$*"; }
started=()
stop_started() {
    local pid
    for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap stop_started EXIT

# True while the process runs (it is not a zombie either).
running() { [[ -d /proc/$1 ]] && ! grep -q '^State:.*Z' "/proc/$1/status"; }

step "apt-get install ./$deb"
apt-get update -qq
cd /tmp
apt-get install -y -q "./$deb"

step "calvex-batch verifica of the installed example, from /usr/bin"
command -v calvex-batch
status=0
calvex-batch verifica /usr/share/doc/calvex/examples/Calvex-dati-esempio || status=$?
echo "exit status $status (1: the building is not verified)"
[[ $status -eq 1 ]]

step "calvex offscreen stays up"
QT_QPA_PLATFORM=offscreen calvex 2>/tmp/offscreen.err &
pid=$!
started+=("$pid")
sleep 5
running "$pid" || { cat /tmp/offscreen.err; exit 1; }
echo "calvex (pid $pid) is up after 5 s"
kill "$pid"

step "desktop tools of a desktop system"
apt-get install -y -q --no-install-recommends xvfb xauth x11-utils xdg-utils desktop-file-utils shared-mime-info \
    libglib2.0-bin appstream >/dev/null
desktop-file-validate /usr/share/applications/calvex.desktop && echo "desktop-file-validate: no problems"
appstreamcli validate --no-net /usr/share/metainfo/it.selvarin.calvex.metainfo.xml

exec 3<> /tmp/display
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 2>/tmp/xvfb.err &
started+=("$!")
for _ in $(seq 50); do [[ -s /tmp/display ]] && break; sleep 0.2; done
export DISPLAY=:$(head -n1 /tmp/display)
echo "Xvfb on $DISPLAY"
windows() { xwininfo -root -tree | grep -o '"Calvex[^"]*"' | sort -u; }

step "the menu entry's Exec line"
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/calvex.desktop)
echo "Exec=$exec_line"
# A start from the menu names no file: the field code goes.
${exec_line//%f/} 2>/tmp/menu.err &
pid=$!
started+=("$pid")
sleep 5
running "$pid" || { cat /tmp/menu.err; exit 1; }
windows
windows | grep -qx '"Calvex"'
kill "$pid"
sleep 1

step "an archive opened as by a double click"
mkdir -p "$HOME/progetti"
archive="$HOME/progetti/Calvex-dati-prova"
cp /usr/share/doc/calvex/examples/Calvex-dati-esempio "$archive"
export XDG_CURRENT_DESKTOP=GNOME
echo "xdg-mime query filetype: $(xdg-mime query filetype "$archive")"
echo "xdg-mime query default application/x-calvex-dati: $(xdg-mime query default application/x-calvex-dati)"
[[ $(xdg-mime query filetype "$archive") == application/x-calvex-dati ]]
[[ $(xdg-mime query default application/x-calvex-dati) == calvex.desktop ]]

# The program started for the archive, found by the archive's name on its
# command line.
opened_program() {
    local cmdline
    for cmdline in /proc/[0-9]*/cmdline; do
        if tr '\0' ' ' <"$cmdline" 2>/dev/null | grep -qx "calvex $archive "; then
            basename "$(dirname "$cmdline")"
            return 0
        fi
    done
    return 1
}
for opener in "gio open" "xdg-open"; do
    echo "--- $opener $archive"
    $opener "$archive"
    sleep 5
    pid=$(opened_program) || { echo "no calvex was started for the archive" >&2; exit 1; }
    started+=("$pid")
    echo "started: $(tr '\0' ' ' </proc/$pid/cmdline)"
    windows
    # The general window is up, with no message about the archive.
    windows | grep -qx '"Calvex: dati generali"'
    if windows | grep -q 'controllo dati immessi'; then
        echo "the program showed a message about the archive" >&2
        exit 1
    fi
    kill "$pid"
    sleep 1
done
step "all checks passed"
INSIDE
