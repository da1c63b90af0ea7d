#!/usr/bin/env bash
# Installs what is missing, builds the game (Release) and starts it from the checkout.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build/play -DCMAKE_BUILD_TYPE=Release -DZARVINEL_TESTS=OFF -DZARVINEL_BENCH=OFF >/dev/null
cmake --build build/play -j "$(nproc)" --target zarvinel
exec ./build/play/src/zarvinel "$@"
