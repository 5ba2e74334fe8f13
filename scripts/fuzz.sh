#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang, libFuzzer, ASan and UBSan (in
# build-fuzz/) and runs each for SECONDS (default 20) on its seed corpus.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#
# Without targets every fuzz_*.cpp runs, one after another. The seeds in
# fuzz/corpus/<target>/ are only read; inputs the fuzzer finds go to
# build-fuzz/corpus/<target>/, a crashing input to build-fuzz/artifacts/.
# Exit status: non-zero as soon as a target fails or crashes.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in fuzz/fuzz_*.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

mkdir -p build-fuzz
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVK3_FUZZ=ON -DVK3_BUILD_BENCH=OFF "${launcher[@]}" >build-fuzz/build.log 2>&1 ||
  { cat build-fuzz/build.log; exit 1; }
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}" >>build-fuzz/build.log 2>&1 ||
  { tail -50 build-fuzz/build.log; exit 1; }

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
mkdir -p build-fuzz/artifacts
for t in "${targets[@]}"; do
  seeds="fuzz/corpus/$t"
  work="build-fuzz/corpus/$t"
  [ -d "$seeds" ] || { echo "fuzz: $t has no seed corpus ($seeds)"; exit 1; }
  mkdir -p "$work"
  echo "fuzz: $t for ${seconds}s"
  "build-fuzz/fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$t-" "$work" "$seeds" \
    >"build-fuzz/$t.log" 2>&1 || { tail -60 "build-fuzz/$t.log"; echo "fuzz: $t FAILED"; exit 1; }
  grep -E "^Done [0-9]+ runs" "build-fuzz/$t.log" | tail -1 || echo "fuzz: $t: no run count in its log"
done
echo "fuzz: all targets ran clean"
