#!/bin/sh
# Start-up time (process start to the menu's first paint) and peak memory of
# the program against a bare Qt window, median of RUNS runs each.
# Usage: run_startup_bench.sh BUILD_DIR [RUNS]
set -e
build=$(cd "$1" && pwd)
runs=${2:-7}

measure() { # program -> "milliseconds kilobytes"
    start=$(date +%s%N)
    out=$(cd "$build" && "$1")
    paint=$(echo "$out" | awk '/first_paint_ns/ {print $2}')
    rss=$(echo "$out" | awk '/peak_rss_kb/ {print $2}')
    echo "$(( (paint - start) / 1000000 )) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

series() { # program -> "median_ms median_kb"
    rm -f /tmp/poruna_bench.$$
    i=0
    while [ $i -lt "$runs" ]; do
        measure "$1" >> /tmp/poruna_bench.$$
        i=$((i + 1))
    done
    ms=$(cut -d' ' -f1 /tmp/poruna_bench.$$ | median)
    kb=$(cut -d' ' -f2 /tmp/poruna_bench.$$ | median)
    rm -f /tmp/poruna_bench.$$
    echo "$ms $kb"
}

# Warm the file cache so the first run is not an outlier.
measure "$build/bare_window_bench" > /dev/null
measure "$build/startup_bench" > /dev/null

set -- $(series "$build/bare_window_bench"); bare_ms=$1; bare_kb=$2
set -- $(series "$build/startup_bench"); prog_ms=$1; prog_kb=$2

printf '%-22s %12s %14s\n' "" "first paint" "peak memory"
printf '%-22s %9s ms %11s kB\n' "bare Qt window" "$bare_ms" "$bare_kb"
printf '%-22s %9s ms %11s kB\n' "poruna (13 windows)" "$prog_ms" "$prog_kb"
awk -v pm="$prog_ms" -v bm="$bare_ms" -v pk="$prog_kb" -v bk="$bare_kb" \
    'BEGIN { printf "%-22s %12.2f %14.2f   (targets: 1.50 and 2.00)\n", "ratio", pm / bm, pk / bk }'
echo "platform: ${QT_QPA_PLATFORM:-default}, median of $runs runs"
