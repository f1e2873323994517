#!/bin/sh
# Runs a command beside a sound server of its own (a null sink), so the
# program's cues find an output: without one the first cue is an error report,
# and under the offscreen platform nobody can close its box.
# Usage: with_sound_server.sh COMMAND [ARGUMENTS...]
set -e
runtime=$(mktemp -d /tmp/poruna-sound-XXXXXX)
# The server keeps its files in the folder; the command keeps its own HOME, so
# its font and shader caches are the user's, warm as they would be.
server() { HOME="$runtime" XDG_RUNTIME_DIR="$runtime" pulseaudio "$@"; }
stop() {
    server --kill 2>/dev/null || true
    rm -rf "$runtime"
}
trap stop EXIT
server -D -n --exit-idle-time=-1 --disallow-exit --load=module-null-sink \
    --load="module-native-protocol-unix auth-anonymous=1" 2>/dev/null
export XDG_RUNTIME_DIR="$runtime" PULSE_SERVER="unix:$runtime/pulse/native"
"$@"
