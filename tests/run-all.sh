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
