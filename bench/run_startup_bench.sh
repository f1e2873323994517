#!/bin/sh
# Start-up time (process start to the menu's first paint), the processor time
# spent by then, and peak memory of the program against a bare Qt window,
# median of RUNS runs each. The wall-clock figure is what the child waits for;
# the processor figure is the one that other work on a busy machine does not
# move, so compare it when the machine is shared.
# The program plays cues from its start: run it beside a sound server
# (bench/with_sound_server.sh), or its first cue's error report waits for ever.
# Usage: run_startup_bench.sh BUILD_DIR [RUNS]
set -e
build=$(cd "$1" && pwd)
runs=${2:-7}

measure() { # program [argument] -> "milliseconds processor_ms kilobytes ready_ms"
    start=$(date +%s%N)
    out=$(cd "$build" && "$@")
    paint=$(echo "$out" | awk '/first_paint_ns/ {print $2}')
    cpu=$(echo "$out" | awk '/processor_us/ {print $2}')
    rss=$(echo "$out" | awk '/peak_rss_kb/ {print $2}')
    ready=$(echo "$out" | awk '/screens_ready_ns/ {print $2}')
    echo "$(( (paint - start) / 1000000 )) $(( cpu / 1000 )) $rss $(( (${ready:-$paint} - start) / 1000000 ))"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

series() { # program [argument] -> "median_ms median_processor_ms median_kb"
    rm -f /tmp/poruna_bench.$$
    i=0
    while [ $i -lt "$runs" ]; do
        measure "$@" >> /tmp/poruna_bench.$$
        i=$((i + 1))
    done
    ms=$(cut -d' ' -f1 /tmp/poruna_bench.$$ | median)
    cpu=$(cut -d' ' -f2 /tmp/poruna_bench.$$ | median)
    kb=$(cut -d' ' -f3 /tmp/poruna_bench.$$ | median)
    screens=$(cut -d' ' -f4 /tmp/poruna_bench.$$ | median)
    rm -f /tmp/poruna_bench.$$
    echo "$ms $cpu $kb $screens"
}

# Warm the file cache so the first run is not an outlier.
measure "$build/bare_window_bench" > /dev/null
measure "$build/startup_bench" > /dev/null

set -- $(series "$build/bare_window_bench"); bare_ms=$1; bare_cpu=$2; bare_kb=$3
set -- $(series "$build/bare_window_bench" menu-look); look_ms=$1; look_cpu=$2; look_kb=$3
set -- $(series "$build/startup_bench"); prog_ms=$1; prog_cpu=$2; prog_kb=$3; prog_screens=$4

row() { printf '%-34s %9s ms %11s ms %11s kB\n' "$1" "$2" "$3" "$4"; }
ratio() {
    awk -v n="$1" -v pm="$prog_ms" -v bm="$2" -v pc="$prog_cpu" -v bc="$3" -v pk="$prog_kb" -v bk="$4" \
        'BEGIN { printf "%-34s %12.2f %14.2f %14.2f\n", n, pm / bm, pc / bc, pk / bk }'
}
printf '%-34s %12s %14s %14s\n' "" "first paint" "processor" "peak memory"
row "bare Qt window" "$bare_ms" "$bare_cpu" "$bare_kb"
row "bare window, the menu's look" "$look_ms" "$look_cpu" "$look_kb"
row "poruna (13 windows)" "$prog_ms" "$prog_cpu" "$prog_kb"
ratio "poruna / bare window" "$bare_ms" "$bare_cpu" "$bare_kb"
ratio "poruna / the menu's look" "$look_ms" "$look_cpu" "$look_kb"
echo "targets: 1.50 for the times, 2.00 for memory"
echo "poruna builds its twelve lesson screens after the first paint: ready at $prog_screens ms."
echo "The menu's look: the same window with the menu's captions in the program's rounded"
echo "gothic, so both sides load the Japanese fonts and the ratio is the program's own work."
echo "platform: ${QT_QPA_PLATFORM:-default}, median of $runs runs; load average: $(cut -d' ' -f1-3 /proc/loadavg)"
