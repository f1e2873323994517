#!/bin/sh
# Tries the built Debian package as a family gets it: installed with apt into
# a clean Debian 12 root (recommended packages left out, so the package's own
# dependencies must be enough), started by the menu entry's command as an
# ordinary user of that root, on a virtual screen. Passes when the menu
# window appears, alone, with the program's icon and the class its desktop
# entry names, and the user's tables were prepared; and when, started with a
# home it cannot write, the program shows its menu and one report beside it.
#
#   check_installed_package.sh <build folder>
#
# Needs root (debootstrap, chroot, mount) and the "ci" packages of
# tools/install_packages.sh. The desktop around the program is this
# machine's: an Xvfb screen, which the program reaches over the X server's
# abstract socket (the root shares the network namespace), and a PulseAudio
# with a null output, whose socket lies inside the root (without an audio
# output every cue, the first one at start included, is an error report). So
# the root holds nothing but the package and what it depends on.
#
# The base system debootstrap makes is kept as a tarball in the build folder
# and unpacked afresh for every run, so each run starts from an untouched
# root; it is made again when it is more than a week old.
# DEBIAN_MIRROR and DEBIAN_SECURITY_MIRROR name other mirrors.
set -eu
started=$(date +%s)
build=$(readlink -f "$1")
work=$build/package-check
root=$work/root
base=$work/bookworm-minbase.tar
suite=bookworm
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
security_mirror=${DEBIAN_SECURITY_MIRROR:-http://deb.debian.org/debian-security}
user=kodomo
home=/home/$user

say() { echo "check_installed_package: $*"; }
fail() {
    say "FAILED: $*" >&2
    exit 1
}

deb=$(ls -t "$build"/poruna_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no poruna_*.deb in $build (make package makes it)"

# Runs a command inside the root with a clean environment.
in_root() {
    chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive "$@"
}

unmount_root() {
    if mountpoint -q "$root/proc" 2>/dev/null; then
        umount "$root/proc" || umount -l "$root/proc"
    fi
}

program_pid=""
xvfb_pid=""
sound_pid=""
stop() {
    if [ -n "$1" ]; then
        kill "$1" 2>/dev/null || true
        wait "$1" 2>/dev/null || true
    fi
}
cleanup() {
    stop "$program_pid"
    stop "$xvfb_pid"
    stop "$sound_pid"
    unmount_root
    # Never delete through a mount that is still there.
    if [ -d "$root" ] && ! grep -q " $root/" /proc/mounts; then
        rm -rf --one-file-system "$root"
    fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

mkdir -p "$work"
unmount_root
rm -rf --one-file-system "$root"

# The clean root.
if [ -f "$base" ] && [ -z "$(find "$base" -mtime +7)" ]; then
    say "unpacking the cached $suite base system"
else
    say "making a $suite base system with debootstrap"
    debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
        fail "debootstrap failed; see $work/debootstrap.log"
    tar -C "$root" -cf "$base.part" . && mv "$base.part" "$base"
    rm -rf --one-file-system "$root"
fi
mkdir "$root"
tar -C "$root" -xf "$base"
cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror $suite main
deb $mirror $suite-updates main
deb $security_mirror $suite-security main
EOF
mount -t proc proc "$root/proc"

say "installing $(basename "$deb") and its dependencies"
cp "$deb" "$root/tmp/"
{
    in_root apt-get update -q &&
        in_root apt-get install -y -q --no-install-recommends "/tmp/$(basename "$deb")"
} >"$work/apt.log" 2>&1 || {
    tail -n 30 "$work/apt.log" >&2
    fail "apt could not install the package; see $work/apt.log"
}
in_root useradd --create-home --uid 1000 --user-group "$user"
desktop_entry=/usr/share/applications/jp.poruna.Poruna.desktop
for file in /usr/lib/poruna/oto/pipo.wav /usr/lib/poruna/ポルナ.hlp /usr/share/poruna/kyozai/kuku.db \
    $desktop_entry /usr/share/icons/hicolor/48x48/apps/poruna.png /usr/share/doc/poruna/changelog.gz; do
    in_root test -r "$file" || fail "$file is missing from the installed package"
done

# Waits up to 10 s for a test to hold, while the server of the given pid runs.
await() {
    pid=$1 what=$2 log=$3
    shift 3
    tries=0
    until "$@"; do
        tries=$((tries + 1))
        [ "$tries" -le 100 ] && kill -0 "$pid" 2>/dev/null || fail "$what did not start; see $log"
        sleep 0.1
    done
}

# The virtual screen; -displayfd picks a display number nobody uses.
rm -f "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
await "$xvfb_pid" Xvfb "$work/xvfb.log" test -s "$work/display"
display=:$(cat "$work/display")

# The sound server, an instance of its own: its own runtime folder and no
# default script, so it meets no other PulseAudio of this machine.
mkdir -m 755 "$root/tmp/sound"
rm -rf "$work/sound"
mkdir -m 700 "$work/sound"
XDG_RUNTIME_DIR=$work/sound HOME=$work/sound pulseaudio --daemonize=no --exit-idle-time=-1 \
    --disallow-exit --use-pid-file=no -n --load=module-null-sink \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$root/tmp/sound/native" \
    >"$work/pulseaudio.log" 2>&1 &
sound_pid=$!
await "$sound_pid" PulseAudio "$work/pulseaudio.log" test -S "$root/tmp/sound/native"

# Starts poruna as the user, with the given home, as the menu entry would.
start_poruna() {
    chroot --userspec=1000:1000 "$root" /usr/bin/env -i HOME="$1" USER="$user" LOGNAME="$user" \
        PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$display" \
        PULSE_SERVER=unix:/tmp/sound/native poruna >"$work/program.log" 2>&1 &
    program_pid=$!
}
# Waits for the given number of visible windows named ポルナ (the menu, and
# an error report has the same name), then leaves their ids in $windows and
# the screen in the given picture, for whoever reads a failure.
await_windows() {
    count=$1 picture=$2 tries=0
    until windows=$(LANG=C.UTF-8 DISPLAY=$display xdotool search --onlyvisible --name '^ポルナ$' 2>/dev/null) &&
        [ "$(echo "$windows" | wc -l)" -ge "$count" ]; do
        tries=$((tries + 1))
        if [ "$tries" -gt 120 ] || ! kill -0 "$program_pid" 2>/dev/null; then
            cat "$work/program.log" >&2
            fail "no $count windows named ポルナ appeared"
        fi
        sleep 0.5
    done
    sleep 1
    if command -v import >/dev/null; then
        DISPLAY=$display import -window root "$work/$picture" 2>/dev/null || true
    fi
    windows=$(LANG=C.UTF-8 DISPLAY=$display xdotool search --onlyvisible --name '^ポルナ$')
    [ "$(echo "$windows" | wc -l)" -eq "$count" ] || fail "not $count windows named ポルナ; see $work/$picture"
}
# The one of $windows that has the menu's size.
menu_window() {
    for window in $windows; do
        size=$(DISPLAY=$display xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p')
        [ "$size" != 955x716 ] || echo "$window"
    done
}

say "starting poruna as $user on $display"
start_poruna "$home"
await_windows 1 screen.png
menu=$(menu_window)
[ -n "$menu" ] || fail "the window named ポルナ is not the menu's 955x716"

# A dock finds the desktop entry by the window's class, and shows its icon.
class=$(sed -n 's/^StartupWMClass=//p' "$root$desktop_entry")
DISPLAY=$display xdotool search --onlyvisible --classname "^$class\$" | grep -qx "$menu" ||
    fail "the menu's class is not the desktop entry's StartupWMClass $class"
DISPLAY=$display xprop -id "$menu" _NET_WM_ICON | grep -q "Icon (48 x 48)" || fail "the menu carries no icon"

kyozai=$root$home/.local/share/poruna/kyozai
[ -s "$kyozai/dorill.db" ] && [ "$(stat -c %u "$kyozai/dorill.db")" = 1000 ] ||
    fail "~/.local/share/poruna/kyozai/dorill.db is not the user's own"
for table in kazu kuku; do
    [ "$(readlink "$kyozai/$table.db")" = /usr/share/poruna/kyozai/$table.db ] ||
        fail "~/.local/share/poruna/kyozai/$table.db does not lead to the supplied table"
done
say "the menu appeared and ~/.local/share/poruna/kyozai was prepared ($(($(date +%s) - started)) s)"

# A home the user cannot write: the menu, and the report of why beside it.
stop "$program_pid"
mkdir -m 555 "$root/home/read-only"
start_poruna /home/read-only
await_windows 2 screen-read-only-home.png
[ -n "$(menu_window)" ] || fail "with a read-only home, no menu beside the report"
[ -z "$(ls -A "$root/home/read-only")" ] || fail "something was written into the read-only home"
say "with a read-only home, the menu and a report appeared ($(($(date +%s) - started)) s)"
