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

echo "== fuzzing the registry file's reader (clang, libFuzzer) =="
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DMARLIX_FUZZ=ON -DMARLIX_BENCH=OFF
cmake --build build-fuzz -j "$jobs" --target registry_fuzz
# New inputs go to a corpus inside the build folder; the committed seeds stay as they are.
# The fuzzer's progress goes to a log; its closing figures are shown, and a crash fails.
mkdir -p build-fuzz/corpus
if ! build-fuzz/registry_fuzz -seed=1 -max_total_time="${MARLIX_FUZZ_SECONDS:-60}" -print_final_stats=1 \
  build-fuzz/corpus tests/fuzz/corpus >build-fuzz/fuzz.log 2>&1; then
  tail -n 60 build-fuzz/fuzz.log
  exit 1
fi
grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' build-fuzz/fuzz.log

echo "== normal build =="
run build -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== AddressSanitizer and UndefinedBehaviorSanitizer build =="
run build-sanitize -DCMAKE_BUILD_TYPE=Debug -DMARLIX_SANITIZE=ON
