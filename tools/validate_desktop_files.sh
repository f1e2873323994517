#!/bin/sh
# Validates the desktop entry and the AppStream metainfo as the built Debian
# package installs them, icons included; the metainfo also pedantically.
#
#   validate_desktop_files.sh <build folder>
set -eu
deb=$(ls -t "$1"/poruna_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "validate_desktop_files: no poruna_*.deb in $1" >&2; exit 1; }
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
for entry in "$tree"/usr/share/applications/*.desktop; do
    desktop-file-validate "$entry"
    echo "desktop-file-validate: $(basename "$entry") is valid"
done
appstreamcli validate-tree --no-net "$tree"
appstreamcli validate --pedantic --no-net "$tree"/usr/share/metainfo/*.metainfo.xml
