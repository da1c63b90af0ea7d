#!/usr/bin/env bash
# Installs what is missing, builds the game (Release) and makes its Debian package:
# build/paquet/zarvinel_VERSION_ARCH.deb. Install it with: sudo apt install ./build/paquet/zarvinel_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
command -v dpkg-deb >/dev/null || { echo "dpkg-deb is missing (Debian only)"; exit 1; }
# Debian's hardening flags (fortified functions, read-only relocations, bound at load) when
# dpkg-dev is there to give them; they count at the first configuration of build/paquet.
if command -v dpkg-buildflags >/dev/null; then
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  export CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
  export CFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CFLAGS)"
  export LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
fi
cmake -S . -B build/paquet -DCMAKE_BUILD_TYPE=Release -DZARVINEL_TESTS=OFF -DZARVINEL_BENCH=OFF >/dev/null
cmake --build build/paquet -j "$(nproc)" --target zarvinel_paquet
(cd build/paquet && cpack -G DEB >/dev/null)
ls build/paquet/zarvinel_*.deb
