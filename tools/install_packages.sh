#!/bin/sh
# Installs the Debian packages that are missing, so a second `make` does not
# touch apt at all.
#
#   install_packages.sh [test] [package] [ci]
#
# With no list: what building and running the program needs. "test" adds what
# the tests, the benchmarks and the format check need: clang-format, and a
# PulseAudio server that they start for themselves (the program plays into
# the desktop's own). "package" adds what `make package` needs (dpkg-shlibdeps
# reads the program's libraries, file finds the executables); "ci" adds what
# the checks of .ci/run need beyond the tests: the package's checkers, and
# debootstrap, Xvfb, xdotool and xprop to try the built package in a clean
# Debian root.
set -e
packages="cmake g++ make qt6-base-dev qt6-multimedia-dev libqt6sql6-sqlite libgl-dev \
 qt6-qpa-plugins fonts-motoya-l-maruberi fonts-noto-cjk"
for extra in "$@"; do
    case "$extra" in
    test) packages="$packages clang-format pulseaudio pulseaudio-utils" ;;
    package) packages="$packages dpkg-dev file" ;;
    ci) packages="$packages dpkg-dev file lintian desktop-file-utils appstream debootstrap xvfb xdotool x11-utils" ;;
    *)
        echo "install_packages.sh: unknown package list: $extra" >&2
        exit 2
        ;;
    esac
done

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q $missing
