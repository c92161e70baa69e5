#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in a Release build of their
# own (build-bench, or the folder given) and prints one table: the analysis
# pass, the typed size, the report text, the graph, the one-bit image and
# talo-cli as a whole process. Further arguments go to the benchmark program
# (e.g. --benchmark_filter=AnalysisPass).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh

dir=${1:-build-bench}
[ $# -gt 0 ] && shift
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DTALO_BENCH=ON -DTALO_BUILD_TESTS=OFF >/dev/null
cmake --build "$dir" -j "$jobs" --target talo_bench talo-cli >/dev/null
QT_QPA_PLATFORM=offscreen "$dir/talo_bench" "$@"
