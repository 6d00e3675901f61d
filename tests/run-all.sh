#!/bin/sh
# Builds and runs every test twice: a normal build, and one under AddressSanitizer and
# UndefinedBehaviorSanitizer. Warnings are errors in both; the benchmarks are built too.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc)

run() {
  dir=$1
  shift
  cmake -S . -B "$dir" "$@"
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

tests/check-layering.sh

echo "== normal build =="
run build -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== AddressSanitizer and UndefinedBehaviorSanitizer build =="
run build-sanitize -DCMAKE_BUILD_TYPE=Debug -DMARLIX_SANITIZE=ON
echo "== fuzzing the registry file's reader (clang, libFuzzer) =="
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DMARLIX_FUZZ=ON -DMARLIX_BENCH=OFF
cmake --build build-fuzz -j "$jobs" --target registry_fuzz
# New inputs go to a corpus inside the build folder; the committed seeds stay as they are.
mkdir -p build-fuzz/corpus
build-fuzz/registry_fuzz -seed=1 -max_total_time="${MARLIX_FUZZ_SECONDS:-60}" -print_final_stats=1 \
  build-fuzz/corpus tests/fuzz/corpus
