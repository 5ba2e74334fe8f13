#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: first the
# whole suite (unit tests, tool tests and play scripts) in a normal build,
# then the unit tests again under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs="$(nproc)"

# Benchmarks on explicitly: play.sh configures the same tree without them.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVK3_BUILD_BENCH=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVK3_SANITIZE=ON -DVK3_BUILD_BENCH=OFF
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" -E '^play\.'
echo "All tests passed."
