#!/bin/sh
# Runs a command beside a sound server of its own (a null sink), so the
# program's cues find an output: without one the first cue is an error report,
# and under the offscreen platform nobody can close its box. Ends with the
# command's status.
# Usage: with_sound_server.sh COMMAND [ARGUMENTS...]
set -e
runtime=$(mktemp -d /tmp/poruna-sound-XXXXXX)
# The server keeps its files in the folder; the command keeps its own HOME, so
# its font and shader caches are the user's, warm as they would be.
server() { HOME="$runtime" XDG_RUNTIME_DIR="$runtime" pulseaudio "$@"; }
stop() {
    server --kill 2> /dev/null || true
    # The server leaves in its own time; its folder goes once it has.
    i=0
    while server --check 2> /dev/null && [ $i -lt 50 ]; do
        sleep 0.1
        i=$((i + 1))
    done
    rm -rf "$runtime" 2> /dev/null || true
}
trap stop EXIT
server -D -n --exit-idle-time=-1 --disallow-exit --load=module-null-sink \
    --load="module-native-protocol-unix auth-anonymous=1" 2> /dev/null
export XDG_RUNTIME_DIR="$runtime" PULSE_SERVER="unix:$runtime/pulse/native"
status=0
"$@" || status=$?
exit $status
