#!/usr/bin/env bash
# Installs the Debian packages TALO needs to build, test and run, when missing.
# Running it again installs nothing.
set -euo pipefail

# fonts-liberation2: the graph's built-in fonts, taken at build time.
# clang-format and git: the formatting check of the test run.
# libboost-math-dev: the noncentral t of the exact cross-check (headers only).
# libbenchmark-dev: the benchmarks (scripts/bench.sh).
# dpkg-dev and file: the Debian package's Depends (dpkg-shlibdeps);
# desktop-file-utils and appstream: the checks of its menu entry and metainfo.
packages=(cmake g++ make qt6-base-dev libgl-dev libgtest-dev libgmock-dev fonts-dejavu-core
          fonts-liberation2 locales clang-format git libboost-math-dev libbenchmark-dev
          dpkg-dev file desktop-file-utils appstream)

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

# The tests run once more under a decimal-comma locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
