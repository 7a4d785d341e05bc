#!/usr/bin/env bash
# Builds and runs every test: the unit and end-to-end tests in a release build and again
# under AddressSanitizer and UndefinedBehaviorSanitizer, then each fuzzer for 20 seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

echo "== Release build and tests"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARNVIK_SANITIZE=ON -DTARNVIK_BUILD_BENCH=OFF >/dev/null
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

echo "== Fuzzers, 20 seconds each"
cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTARNVIK_BUILD_FUZZ=ON -DTARNVIK_BUILD_TESTS=OFF -DTARNVIK_BUILD_BENCH=OFF >/dev/null
cmake --build build/fuzz -j "$jobs"
for target in parse_number case_record run_calculation; do
  corpus="build/fuzz/corpus/$target"
  mkdir -p "$corpus"
  build/fuzz/fuzz/fuzz_$target -max_total_time=20 -print_final_stats=1 "$corpus" "fuzz/corpus/$target" \
    2>"build/fuzz/$target.log" || { tail -n 60 "build/fuzz/$target.log"; echo "fuzzer $target failed"; exit 1; }
  echo "fuzz_$target: $(grep -E '^(Done|stat::number_of_executed_units)' "build/fuzz/$target.log" | head -n 1)"
done
echo "All tests passed."
