#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: first the
# whole suite (unit tests, tool tests, play scripts, the install test with the
# desktop and metainfo validators, a monkey soak) in a normal build, then the
# browser build's tests in headless Chromium (scripts/web.sh test), then the
# unit tests and the soak again under AddressSanitizer and UBSan, and last
# every fuzz target for 20 seconds on its corpus (clang, libFuzzer).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs="$(nproc)"

# Benchmarks on explicitly: play.sh configures the same tree without them.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVK3_BUILD_BENCH=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
# The game in a browser: the page built with Emscripten, tested in headless Chromium.
bash scripts/web.sh test

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVK3_SANITIZE=ON -DVK3_BUILD_BENCH=OFF
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs" -E '^play\.'
bash scripts/fuzz.sh 20
echo "All tests passed."
