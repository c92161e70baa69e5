#!/usr/bin/env bash
# Installs what is missing, checks the layers and the formatting, builds the
# normal and the sanitizer build with warnings as errors and runs every test
# in both, and the engine's tests once more in an optimised build.
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

# The Debian package of a build, unpacked into a scratch root: it depends on
# the Qt libraries, its talo-cli prints the starting analysis and draws the
# graph through its module, and its menu entry and metainfo pass their
# validators.
check_package() {
    local stage deb bin share checks
    stage=$(mktemp -d)
    trap "rm -rf '$stage'" EXIT
    cpack -G DEB --config "$1/CPackConfig.cmake" -B "$stage/out" >/dev/null
    deb=$(echo "$stage"/out/talo_*.deb)
    dpkg-deb -x "$deb" "$stage/root"
    bin=$(find "$stage/root" -type f -path '*/bin/talo-cli')
    share=${bin%/bin/talo-cli}/share
    checks=$(dpkg-deb --field "$deb" Depends | grep -o 'libqt6widgets6' &&
             "$bin" | grep -x 'Number of Samples: 13' &&
             "$bin" --graph "$stage/graph.png" 2>&1 >/dev/null && test -s "$stage/graph.png" &&
             desktop-file-validate "$share/applications/talo.desktop" 2>&1 &&
             appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml 2>&1) ||
        { echo "Package check failed: $checks" >&2; return 1; }
    echo "Package $(basename "$deb") checked"
}

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_build build
check_package build

# The engine as it ships, optimised and with the curve's steps vectorised,
# keeps every worked value and every curve to the bit.
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DTALO_WERROR=ON >/dev/null
cmake --build build-release -j "$jobs" --target talo_engine_tests
build-release/talo_engine_tests --gtest_brief=1
run_build build-sanitize -DTALO_SANITIZE=ON
