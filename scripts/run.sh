#!/usr/bin/env bash
# Builds Tarnvik and runs the command-line calculator on the example case file.
# Extra arguments go to tarnvik-calc (for example --format csv).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNVIK_BUILD_TESTS=OFF -DTARNVIK_BUILD_BENCH=OFF >/dev/null
cmake --build build/release --target tarnvik-calc
exec build/release/apps/tarnvik-calc/tarnvik-calc "$@" examples/typical-oil.csv
