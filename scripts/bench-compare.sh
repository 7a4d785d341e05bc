#!/usr/bin/env bash
# Runs the benchmarks of an earlier revision and of the working tree side by side, pinned
# to one core and interleaved, and prints the best median of each with the ratio new/old.
# Usage: scripts/bench-compare.sh REVISION [ROUNDS] [FILTER]
set -euo pipefail
cd "$(dirname "$0")/.."
revision=$1
rounds=${2:-4}
filter=${3:-'BM_RunCalculation/[0-8]/[01]$|BM_Calculate/|BM_BatchCsv|BM_PressureTableAllFamilies'}
old=build/bench-compare/$(git rev-parse --short "$revision")
if [ ! -d "$old/src" ]; then
  rm -rf "$old"
  git worktree add --detach "$old/src" "$revision" >/dev/null
fi
cmake -S "$old/src" -B "$old/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNVIK_BUILD_GUI=OFF \
  -DTARNVIK_BUILD_TESTS=OFF >/dev/null
cmake --build "$old/build" --target tarnvik_bench >/dev/null
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target tarnvik_bench >/dev/null

results=$(mktemp)
trap 'rm -f "$results"' EXIT
for ((round = 0; round < rounds; ++round)); do
  for side in old new; do
    binary=build/release/bench/tarnvik_bench
    [ "$side" = old ] && binary=$old/build/bench/tarnvik_bench
    taskset -c 1 "$binary" --benchmark_filter="$filter" --benchmark_repetitions=3 \
      --benchmark_report_aggregates_only=true --benchmark_format=json 2>/dev/null |
      python3 -c 'import json, sys
for b in json.load(sys.stdin)["benchmarks"]:
    if b.get("aggregate_name") == "median":
        print(sys.argv[1], b["run_name"], b["real_time"], b["time_unit"], b.get("items_per_second", 0))' "$side" \
        >>"$results"
  done
done
python3 - "$results" "$revision" <<'PY'
import collections, sys
best = collections.defaultdict(dict)
for line in open(sys.argv[1]):
    side, name, time, unit, items = line.split()
    if side not in best[name] or float(time) < best[name][side][0]:
        best[name][side] = (float(time), unit, float(items))
print(f"{'benchmark':40} {sys.argv[2]:>12} {'working tree':>14}   new/old")
for name, sides in best.items():
    (old, unit, old_items), (new, _, new_items) = sides["old"], sides["new"]
    rate = f"   {old_items / 1e3:.0f}k/s -> {new_items / 1e3:.0f}k/s" if old_items else ""
    print(f"{name:40} {old:10.1f} {unit} {new:12.1f} {unit}   {new / old:5.2f}{rate}")
PY
