#!/bin/sh
# vorncheck on a 2,000,000-line script (ten copies of the script that
# script_bench generates, about 41 MB) beside the floor `wc -l` on the same
# file: median wall time of each, and vorncheck's peak resident memory beside
# the file's size; the same check with its text written in UTF-8.
# Usage: benchmarks/script/vorncheck.sh <build dir> [runs]
set -eu
build=${1:?build directory}
runs=${2:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

VORN_BENCH_SCRIPT=$work/part.txt "$build/benchmarks/script/script_bench" \
    --benchmark_filter=BM_CheckScript --benchmark_min_time=0 >/dev/null 2>&1
for _ in 1 2 3 4 5 6 7 8 9 10; do cat "$work/part.txt"; done >"$work/big.txt"
seq 0 1999 | sed 's/^/pos/' >"$work/names.txt"

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

# One run of the command, output discarded: wall milliseconds of the
# command alone, then CPU (user + system) milliseconds and peak resident
# kilobytes from a second run under /usr/bin/time.
once() {
    start=$(date +%s%N)
    "$@" >/dev/null || [ $? -eq 1 ] # 1: faults found
    end=$(date +%s%N)
    /usr/bin/time -o "$work/time" -f '%U %S %M' "$@" >/dev/null || [ $? -eq 1 ]
    # The last line: a failing status adds one before it.
    tail -n 1 "$work/time" |
        awk -v a="$start" -v b="$end" '{printf "%.1f %.0f %d\n", (b - a) / 1e6, ($1 + $2) * 1000, $3}'
}

# Median of each figure over the runs: "wall cpu peak".
repeat() {
    i=0
    while [ "$i" -lt "$runs" ]; do
        once "$@"
        i=$((i + 1))
    done >"$work/runs"
    for column in 1 2 3; do
        cut -d' ' -f"$column" "$work/runs" | median
    done | tr '\n' ' '
}

bytes=$(wc -c <"$work/big.txt")
lines=$(wc -l <"$work/big.txt")
set -- $(repeat "$build/script/vorncheck" --scripts "$work/names.txt" "$work/big.txt")
vc_wall=$1 vc_cpu=$2 vc_peak=$3
set -- $(repeat "$build/script/vorncheck" --encoding utf-8 --scripts "$work/names.txt" "$work/big.txt")
u8_wall=$1 u8_cpu=$2 u8_peak=$3
set -- $(repeat wc -l "$work/big.txt")
wc_wall=$1 wc_cpu=$2
echo "script      $lines lines, $bytes bytes ($((bytes / 1048576)) MiB)"
echo "vorncheck   $vc_wall ms wall, $vc_cpu ms CPU, peak $((vc_peak / 1024)) MiB"
echo "  utf-8     $u8_wall ms wall, $u8_cpu ms CPU, peak $((u8_peak / 1024)) MiB (--encoding utf-8)"
echo "wc -l       $wc_wall ms wall, $wc_cpu ms CPU"
awk -v v="$vc_wall" -v w="$wc_wall" -v p="$vc_peak" -v b="$bytes" \
    'BEGIN {printf "ratio       %.1f x the wall time of wc -l, peak %.2f x the file\n", v / w, p * 1024 / b}'
