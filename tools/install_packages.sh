#!/bin/sh
# Installs the Debian packages the build, the program and the tests need, but only
# those that are missing, so a second `make` does not touch apt at all.
set -e
packages="cmake g++ make qt6-base-dev qt6-multimedia-dev libqt6sql6-sqlite libgl-dev \
 qt6-qpa-plugins fonts-motoya-l-maruberi fonts-noto-cjk clang-format pulseaudio"

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
