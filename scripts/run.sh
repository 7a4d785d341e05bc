#!/usr/bin/env bash
# Builds Tarnvik and starts the desktop program. Needs a display; on a machine without
# one, run it as: xvfb-run scripts/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build build/release --target tarnvik tarnvik-calc
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "The command-line calculator needs none: build/release/apps/tarnvik-calc/tarnvik-calc examples/typical-oil.csv" >&2
  exit 1
fi
exec build/release/src/gui/tarnvik
