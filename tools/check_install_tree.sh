#!/bin/sh
# Installs the build into a temporary prefix and checks what a user's first
# and later starts do, with the program replaced by a stand-in that only
# notes the folder it was started in.
#
#   check_install_tree.sh <build folder>
set -eu
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
fail() {
    echo "check_install_tree: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

# The program looks for its sounds and help file beside itself.
for file in oto/pipo.wav ポルナ.hlp; do
    [ -r "$prefix/lib/poruna/$file" ] || fail "lib/poruna/$file does not lead to the installed file"
done
for size in 16 32 48 64 128 256; do
    [ -s "$prefix/share/icons/hicolor/${size}x$size/apps/poruna.png" ] || fail "no $size px icon"
done

program=$prefix/lib/poruna/poruna
cat >"$program" <<'STAND_IN'
#!/bin/sh
pwd >"$STARTED_IN"
STAND_IN

start() {
    env -u XDG_DATA_HOME HOME="$scratch/home" STARTED_IN="$scratch/started_in" "$@" "$prefix/bin/poruna"
    cat "$scratch/started_in"
}

# First start: the user's folder is made, the supplied tables are copied into it.
folder=$scratch/home/.local/share/poruna
[ "$(start)" = "$folder" ] || fail "the first start did not run in $folder"
for table in kazu dorill kuku; do
    cmp -s "$prefix/share/poruna/kyozai/$table.db" "$folder/kyozai/$table.db" ||
        fail "kyozai/$table.db was not copied from the supplied tables"
done
[ "$(ls "$folder")" = kyozai ] || fail "the first start left more than kyozai/ behind: $(ls "$folder")"

# A drill run changes dorill; the next start keeps it as it is.
echo "a drill run" >>"$folder/kyozai/dorill.db"
cp "$folder/kyozai/dorill.db" "$scratch/after_the_drill"
[ "$(start)" = "$folder" ] || fail "the second start did not run in $folder"
cmp -s "$scratch/after_the_drill" "$folder/kyozai/dorill.db" || fail "the second start replaced dorill.db"

# Removing kyozai/ brings the supplied tables back.
rm -r "$folder/kyozai"
start >/dev/null
cmp -s "$prefix/share/poruna/kyozai/dorill.db" "$folder/kyozai/dorill.db" || fail "kyozai/ was not made again"

# XDG_DATA_HOME, when it is an absolute path, is where the user's folder goes.
[ "$(start XDG_DATA_HOME="$scratch/data")" = "$scratch/data/poruna" ] || fail "XDG_DATA_HOME was not used"
[ -e "$scratch/data/poruna/kyozai/kuku.db" ] || fail "no kyozai/ under XDG_DATA_HOME"
echo "installed tree and launcher: as expected"
