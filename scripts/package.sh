#!/usr/bin/env bash
# Builds TALO's Debian package, talo_<version>_<arch>.deb, into the top
# folder: a release build installed under /usr, its Depends found by
# dpkg-shlibdeps. Install it with: sudo apt-get install ./talo_*.deb
# Usage: scripts/package.sh [build folder, default build-package]
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh

dir=${1:-build-package}
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DTALO_BUILD_TESTS=OFF >/dev/null
cmake --build "$dir" -j "$(nproc 2>/dev/null || echo 2)"

out=$(cd "$dir" && pwd)/packages
rm -rf "$out"
cpack -G DEB --config "$dir/CPackConfig.cmake" -B "$out" >/dev/null
debs=("$out"/talo_*.deb)
if [ "${#debs[@]}" -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "package.sh: expected one talo_*.deb in $out" >&2
    exit 1
fi
cp "${debs[0]}" .
echo "Built ./$(basename "${debs[0]}")"
dpkg-deb --field "${debs[0]}" Package Version Architecture Depends
