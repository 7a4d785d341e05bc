#!/usr/bin/env bash
# Runs the example notebook (examples/pvt-study.ipynb) headless against the module in a
# build tree and saves its figures into docs/ for the README.
#   scripts/notebook-figures.sh [BUILD_DIR]     (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
PYTHONPATH="$PWD/$build/python" TARNVIK_FIGURES="$PWD/docs" PYDEVD_DISABLE_FILE_VALIDATION=1 \
  /usr/bin/python3 -Xfrozen_modules=off -m nbconvert --to notebook --execute \
  --output-dir "$build/notebook" examples/pvt-study.ipynb
echo "Figures: $(ls docs/notebook-*.png | tr '\n' ' ')"
