#!/bin/sh
# Runs the benchmarks and prints one table: each figure beside the same figure for a minimal
# Qt Widgets program, as a ratio.   scripts/bench.sh [BUILD_DIR] [RUNS]
set -eu
build=${1:-build}
runs=${2:-15}
cmake --build "$build" --target tarvo-bench >/dev/null
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bench/tarvo-bench" "$runs"
