#!/bin/sh
# Every check the project has, as CI runs them (tools/install-deps.sh test installs what they
# need): the layering rules, a minute of fuzzing the registry file's reader, the tests in a
# normal build and in one under AddressSanitizer and UndefinedBehaviorSanitizer, the
# README's play build (Release) with the installed game's checks, the web version in three
# browser engines, and a release made from a clean clone. Warnings are errors in
# every one of these builds; each has a folder of its own, so the player's build/ is left as
# it is.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc)

configure() {
  dir=$1
  shift
  cmake -S . -B "$dir" -DMARLIX_WERROR=ON "$@"
}

run() {
  configure "$@"
  cmake --build "$1" -j "$jobs"
  ctest --test-dir "$1" --output-on-failure -j "$jobs"
}

tests/check-layering.sh

echo "== fuzzing the registry file's reader (clang, libFuzzer) =="
configure build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
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
run build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== AddressSanitizer and UndefinedBehaviorSanitizer build =="
run build-sanitize -DCMAKE_BUILD_TYPE=Debug -DMARLIX_SANITIZE=ON
# The optimiser warns where the other builds do not; the tests above ran the same code.
echo "== the README's play build (Release), installed =="
configure build-release -DCMAKE_BUILD_TYPE=Release
cmake --build build-release -j "$jobs"
tests/install/check.sh build-release
# The web version: built as tools/web/build.sh builds it for players, then played in
# Chromium, Firefox ESR and WebKit beside the desktop program of the normal build.
echo "== the web version in every browser engine =="
MARLIX_JOBS=$jobs tools/web/build.sh
(cd tests/web && MARLIX_DESKTOP_PROGRAM="$PWD/../../build-test/marlix-pentro" node --test)
# A release as tools/release.sh makes it, from a clean clone on a throwaway tag; the tests it
# would run again have just passed above.
echo "== a release, from a clean clone =="
tests/release/check.sh
