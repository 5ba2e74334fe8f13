#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVK3_BUILD_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target varnoklet3
exec ./build/varnoklet3
