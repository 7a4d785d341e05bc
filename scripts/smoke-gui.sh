#!/usr/bin/env bash
# Starts the real desktop program on a virtual X display and checks that it comes up and
# keeps running for three seconds without printing anything on its error output.
# Usage: scripts/smoke-gui.sh path/to/tarnvik
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# xvfb-run's own messages go to its error output; the program's go to the log.
setsid xvfb-run -a -s "-screen 0 1600x1000x24" sh -c 'exec "$1" 2>"$2"' sh "$program" "$work/stderr.log" \
  >"$work/stdout.log" 2>"$work/xvfb.log" &
runner=$!
sleep 3
if ! kill -0 "$runner" 2>/dev/null; then
  wait "$runner" || true
  echo "tarnvik ended within three seconds"; cat "$work/stderr.log" "$work/xvfb.log"; exit 1
fi
kill -TERM -- "-$runner" 2>/dev/null || true
wait "$runner" 2>/dev/null || true
if [ -s "$work/stderr.log" ]; then
  echo "tarnvik wrote to its error output:"; cat "$work/stderr.log"; exit 1
fi
echo "tarnvik ran for three seconds under Xvfb with no error output"
