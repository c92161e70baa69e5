#!/usr/bin/env bash
# Installs what is missing, builds the normal and the sanitizer build and
# runs every test in both.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/check-layers.sh

jobs=$(nproc 2>/dev/null || echo 2)
run_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    (cd "$dir" && ctest --output-on-failure -j "$jobs")
}

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_build build
run_build build-sanitize -DTALO_SANITIZE=ON
