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

measure() { # program -> "milliseconds processor_ms kilobytes"
    start=$(date +%s%N)
    out=$(cd "$build" && "$1")
    paint=$(echo "$out" | awk '/first_paint_ns/ {print $2}')
    cpu=$(echo "$out" | awk '/processor_us/ {print $2}')
    rss=$(echo "$out" | awk '/peak_rss_kb/ {print $2}')
    echo "$(( (paint - start) / 1000000 )) $(( cpu / 1000 )) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

series() { # program -> "median_ms median_processor_ms median_kb"
    rm -f /tmp/poruna_bench.$$
    i=0
    while [ $i -lt "$runs" ]; do
        measure "$1" >> /tmp/poruna_bench.$$
        i=$((i + 1))
    done
    ms=$(cut -d' ' -f1 /tmp/poruna_bench.$$ | median)
    cpu=$(cut -d' ' -f2 /tmp/poruna_bench.$$ | median)
    kb=$(cut -d' ' -f3 /tmp/poruna_bench.$$ | median)
    rm -f /tmp/poruna_bench.$$
    echo "$ms $cpu $kb"
}

# Warm the file cache so the first run is not an outlier.
measure "$build/bare_window_bench" > /dev/null
measure "$build/startup_bench" > /dev/null

set -- $(series "$build/bare_window_bench"); bare_ms=$1; bare_cpu=$2; bare_kb=$3
set -- $(series "$build/startup_bench"); prog_ms=$1; prog_cpu=$2; prog_kb=$3

printf '%-22s %12s %14s %14s\n' "" "first paint" "processor" "peak memory"
printf '%-22s %9s ms %11s ms %11s kB\n' "bare Qt window" "$bare_ms" "$bare_cpu" "$bare_kb"
printf '%-22s %9s ms %11s ms %11s kB\n' "poruna (13 windows)" "$prog_ms" "$prog_cpu" "$prog_kb"
awk -v pm="$prog_ms" -v bm="$bare_ms" -v pc="$prog_cpu" -v bc="$bare_cpu" -v pk="$prog_kb" -v bk="$bare_kb" \
    'BEGIN { printf "%-22s %12.2f %14.2f %14.2f   (targets: 1.50 and 2.00)\n", "ratio", pm / bm, pc / bc, pk / bk }'
echo "platform: ${QT_QPA_PLATFORM:-default}, median of $runs runs; load average: $(cut -d' ' -f1-3 /proc/loadavg)"
