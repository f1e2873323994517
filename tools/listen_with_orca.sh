#!/bin/sh
# Works the program with the keyboard alone under the Orca screen reader, on a
# private X display with openbox, and prints what Orca spoke after each key:
# what a child who listens hears. Not a test: it prints, it does not judge.
#
# Usage: tools/listen_with_orca.sh PROGRAM_FOLDER SCENARIO
#   PROGRAM_FOLDER  the folder holding poruna, oto/ and kyozai/ (build/)
#   SCENARIO        form3: たし算：あん算 from the menu, a study problem, then a test problem
#                   drill: たし算：ドリル from the menu, a run of two problems, ストップ, けっか
#                   or a list of xdotool key names, "pause" for a longer wait, "answer"
#                   for the right answer's digits, typed from the focused list on
#
# Needs: Xvfb, openbox, orca, at-spi2-core, dbus, xdotool, pulseaudio
# (tools/install_packages.sh). Orca's debug log lies in $ORCA_LOG if set.
set -e
folder=$(cd "$1" && pwd)
shift
case "$1" in
form3)
    # Down to ２～４けたのあん算, open it; ２けた; つぎへ, こたえ; down to the
    # mode button, テスト, up to つぎへ; the right answer, ◆; つぎへ; a
    # wrong answer, ◆.
    set -- Down Return pause Return Return Return Down Down Return Up Up Return pause \
        answer Right Right Right Right Right Return pause Return pause 1 Right Right Right Right Right Return pause
    ;;
drill)
    # Down the left column to the first ドリル; ２けた; なし; スタート; a
    # right answer, ◆, つぎへ, a wrong one, ◆; down to ストップ; then Return
    # once more.
    set -- Down Down Down Return pause Return Return Return pause \
        answer Right Right Right Right Right Return Return \
        1 Right Right Right Right Right Return Down Return pause Return pause
    ;;
*)
    # Keys given in one word or in several.
    # shellcheck disable=SC2086
    set -- $*
    ;;
esac

work=$(mktemp -d /tmp/poruna-orca-XXXXXX)
log=${ORCA_LOG:-$work/orca.log}
display=:$((90 + $$ % 9))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
cleanup() {
    kill "$xvfb" 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
sleep 1
export DISPLAY="$display" HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
mkdir -p "$work/config" "$work/data" "$work/orca"
cp -R "$folder/kyozai" "$work/kyozai"

# Orca writes its log through a buffer; written a line at a time, each
# utterance is in the log by the time the next key goes.
mkdir -p "$work/python"
cat > "$work/python/sitecustomize.py" << EOF
import builtins
_open = builtins.open
def _line_buffered(file, mode="r", buffering=-1, *args, **kwargs):
    if file == "$log" and "w" in mode:
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)
builtins.open = _line_buffered
EOF

# Everything below runs on one session bus with its own accessibility bus.
cat > "$work/session.sh" << 'EOF'
set -e
/usr/libexec/at-spi-bus-launcher --launch-immediately &
openbox > /dev/null 2>&1 &
sleep 1
PYTHONPATH="$WORK/python" orca --replace -u "$WORK/orca" --debug-file "$LOG" > /dev/null 2>&1 &
sleep 4
cd "$WORK"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$FOLDER/poruna" > "$WORK/program.log" 2>&1 &
program=$!
sleep 5
# Orca logs each utterance, its later lines indented, with the voice it
# used; the words are kept, their lines joined by " / ".
spoken() {
    python3 - "$LOG" << 'PY'
import re, sys
text = open(sys.argv[1], encoding="utf-8", errors="replace").read()
for said in re.findall(r"SPEECH OUTPUT: '(.*?)'(?:\s*\{| voice=|\s*$)", text, re.S | re.M):
    print("    " + " / ".join(line.strip() for line in said.splitlines()))
PY
}
seen=0
say() {
    now=$(spoken | wc -l)
    spoken | tail -n +$((seen + 1))
    seen=$now
}
echo "(opened)"
say
# The digits of the answer to the problem the program shows, read as a
# screen reader reads it: a label "a + b = ?" (or with -, x and a third number).
answer() {
    timeout 30 /usr/bin/python3 - << 'PY'
import re
import pyatspi
# Only what is on screen: the hidden screens hold many more controls.
def labels(node):
    for child in node:
        if child is None or not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        if child.getRole() == pyatspi.ROLE_LABEL:
            yield child.name
        yield from labels(child)
for app in pyatspi.Registry.getDesktop(0):
    if app is None or "orca" in (app.name or "").lower():
        continue
    for name in labels(app):
        found = re.fullmatch(r"\s*(\d+) ([-+x]) (\d+)(?: ([-+]) (\d+))? = \?\s*", name or "")
        if found:
            a, op, b, op2, c = found.groups()
            value = eval(f"{a} {'*' if op == 'x' else op} {b}" + (f" {op2} {c}" if op2 else ""))
            print(" ".join(str(value)))
            raise SystemExit
PY
}
for key in "$@"; do
    if [ "$key" = pause ]; then
        sleep 4
        say
        continue
    fi
    if [ "$key" = answer ]; then
        digits=$(answer)
        echo "> answer: $digits"
        first=1
        for digit in $digits; do
            [ $first = 1 ] || xdotool key Right
            first=0
            xdotool key "$digit"
            sleep 2
            say
        done
        continue
    fi
    echo "> $key"
    xdotool key "$key"
    sleep 2
    say
done
kill "$program" 2> /dev/null || true
EOF
WORK="$work" LOG="$log" FOLDER="$folder" \
    "$(dirname "$0")/../bench/with_sound_server.sh" dbus-run-session -- sh "$work/session.sh" "$@"
