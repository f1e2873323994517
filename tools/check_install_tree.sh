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
echo "${PORUNA_START_PROBLEM:-}" >>"$STARTED_IN"
STAND_IN

# Prints the folder the program started in and what the launcher told it.
start() {
    env -u XDG_DATA_HOME -u PORUNA_START_PROBLEM HOME="$scratch/home" STARTED_IN="$scratch/started_in" "$@" \
        "$prefix/bin/poruna"
    cat "$scratch/started_in"
}
supplied=$prefix/share/poruna/kyozai
folder=$scratch/home/.local/share/poruna
# The user's kyozai/: dorill of their own, links to the supplied kazu and kuku.
check_tables() {
    [ "$(start)" = "$folder" ] || fail "$1: the program did not start in $folder without a word"
    for table in kazu kuku; do
        [ "$(readlink "$folder/kyozai/$table.db")" = "$supplied/$table.db" ] ||
            fail "$1: kyozai/$table.db does not lead to the supplied table"
    done
    [ -f "$folder/kyozai/dorill.db" ] && [ ! -L "$folder/kyozai/dorill.db" ] || fail "$1: no dorill.db of the user's own"
    [ "$(ls -A "$folder")" = kyozai ] && [ "$(ls -A "$folder/kyozai" | tr '\n' ' ')" = "dorill.db kazu.db kuku.db " ] ||
        fail "$1: more than the tables were left behind: $(ls -AR "$folder")"
}

check_tables "the first start"
cmp -s "$supplied/dorill.db" "$folder/kyozai/dorill.db" || fail "dorill.db was not copied from the supplied table"

# A drill run changes dorill; later starts keep it, also in a folder from
# before the links, which held copies of all three tables.
echo "a drill run" >>"$folder/kyozai/dorill.db"
cp "$folder/kyozai/dorill.db" "$scratch/after_the_drill"
check_tables "the second start"
for table in kazu kuku; do
    rm "$folder/kyozai/$table.db"
    cp "$supplied/$table.db" "$folder/kyozai/$table.db"
done
check_tables "a start in a folder of copies"
cmp -s "$scratch/after_the_drill" "$folder/kyozai/dorill.db" || fail "a later start replaced dorill.db"

# Removing dorill.db alone brings the empty drill table back.
rm "$folder/kyozai/dorill.db"
check_tables "the start after dorill.db was removed"

# XDG_DATA_HOME, when it is an absolute path, is where the user's folder goes.
[ "$(start XDG_DATA_HOME="$scratch/data" | head -n 1)" = "$scratch/data/poruna" ] || fail "XDG_DATA_HOME was not used"
[ -L "$scratch/data/poruna/kyozai/kuku.db" ] || fail "no kyozai/ under XDG_DATA_HOME"

# A folder that cannot be made (here a file stands in its way, which stops
# root too): the program starts on the supplied tables and is told why.
mkdir "$scratch/blocked"
touch "$scratch/blocked/.local"
said=$(start HOME="$scratch/blocked")
[ "$(echo "$said" | head -n 1)" = "$prefix/share/poruna" ] || fail "a blocked home did not start on the supplied tables"
echo "$said" | grep -q "$scratch/blocked/.local/share/poruna/kyozai" || fail "the program was not told which folder: $said"
echo "$said" | grep -q "mkdir: " || fail "the program was not told why: $said"
echo "installed tree and launcher: as expected"
