#!/usr/bin/env bash
# Builds the Debian package pathwick_<version>_<arch>.deb into the source folder (or
# $PATHWICK_PACKAGE_DIR) from a release build of its own, and checks its desktop file.
#   scripts/package.sh
#   sudo apt install ./pathwick_*.deb        sudo apt remove pathwick
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PATHWICK_PACKAGE_BUILD_DIR:-$root/build-package}
out=${PATHWICK_PACKAGE_DIR:-$root}

# The build's own packages, then dpkg-shlibdeps (dpkg-dev), which names the runtime libraries.
"$root/scripts/install-deps.sh"
"$root/scripts/install-deps.sh" dpkg-dev

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DPATHWICK_BUILD_TESTS=OFF \
  -DPATHWICK_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target pathwick
desktop-file-validate "$root/resources/pathwick.desktop"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/pathwick_*.deb)
mkdir -p "$out"
mv -f "$deb" "$out/"
echo "$out/$(basename "$deb")"
