#!/usr/bin/env bash
# Installs what is missing, builds the game (Release) and makes its Debian package:
# build/paquet/zarvinel_VERSION_ARCH.deb. Install it with: sudo apt install ./build/paquet/zarvinel_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
command -v dpkg-deb >/dev/null || { echo "dpkg-deb is missing (Debian only)"; exit 1; }
cmake -S . -B build/paquet -DCMAKE_BUILD_TYPE=Release -DZARVINEL_TESTS=OFF -DZARVINEL_BENCH=OFF >/dev/null
cmake --build build/paquet -j "$(nproc)" --target zarvinel
(cd build/paquet && cpack -G DEB >/dev/null)
ls build/paquet/zarvinel_*.deb
