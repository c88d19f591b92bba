#!/bin/sh
# Start-up of the program beside a bare Qt window, on one Xvfb display for
# all runs: the median milliseconds of the whole process (start to exit, with
# VORNSCRIPT_STARTUP_TIMING=quit ending it after its first paint) and, as
# each program prints it, from main() to the first paint.
# Usage: benchmarks/windows/startup.sh <build dir> [runs]
set -eu
build=${1:?build directory}
runs=${2:-9}
home=$(mktemp -d)
display=:$((90 + $$ % 100))
Xvfb "$display" -screen 0 1600x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb; rm -rf "$home"' EXIT
sleep 1

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

# One run: "whole-process-ms main-to-paint-ms".
once() {
    start=$(date +%s%N)
    paint=$(DISPLAY=$display QT_QPA_PLATFORM=xcb VORNSCRIPT_HOME=$home \
        VORNSCRIPT_STARTUP_TIMING=quit VORNSCRIPT_PRIMARY=http://127.0.0.1:9/ \
        "$@" 2>&1 | sed -n 's/^startup-ms //p')
    end=$(date +%s%N)
    echo "$(((end - start) / 1000000)) $paint"
}

measure() {
    i=0
    while [ "$i" -lt "$runs" ]; do
        once "$@"
        i=$((i + 1))
    done >"$home/runs"
    echo "$(cut -d' ' -f1 "$home/runs" | median) $(cut -d' ' -f2 "$home/runs" | median)"
}

set -- $(measure "$build/windows/VORNscript") $(measure "$build/benchmarks/windows/bare_window")
echo "VORNscript  $1 ms whole process, $2 ms main() to first paint"
echo "bare Qt     $3 ms whole process, $4 ms main() to first paint"
awk -v a="$1" -v b="$3" -v c="$2" -v d="$4" \
    'BEGIN {printf "ratio       %.2f x whole process, %.2f x to first paint\n", a / b, c / d}'
