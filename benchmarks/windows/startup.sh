#!/bin/sh
# Median start-up time, main() to the first paint of the main window, of the
# program and of a bare Qt window, each run under its own Xvfb.
# Usage: benchmarks/windows/startup.sh <build dir> [runs]
set -eu
build=${1:?build directory}
runs=${2:-9}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

measure() {
    i=0
    while [ "$i" -lt "$runs" ]; do
        VORNSCRIPT_HOME=$home VORNSCRIPT_STARTUP_TIMING=quit VORNSCRIPT_PRIMARY=http://127.0.0.1:9/ \
            xvfb-run -a -s "-screen 0 1600x900x24" "$@" 2>&1 | sed -n 's/^startup-ms //p'
        i=$((i + 1))
    done | median
}

echo "VORNscript  $(measure "$build/windows/VORNscript") ms"
echo "bare Qt     $(measure "$build/benchmarks/windows/bare_window") ms"
