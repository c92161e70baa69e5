#!/usr/bin/env bash
# Installs what is missing, checks the layers and the formatting, builds the
# normal and the sanitizer build with warnings as errors and runs every test
# in both.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/check-layers.sh

# Every tracked source file as the repository's .clang-format has it.
git ls-files -z -- '*.cpp' '*.h' | xargs -0 -r clang-format --dry-run --Werror

jobs=$(nproc 2>/dev/null || echo 2)
run_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DTALO_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    (cd "$dir" && ctest --output-on-failure -j "$jobs")
}

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_build build
run_build build-sanitize -DTALO_SANITIZE=ON
