#!/usr/bin/env bash
# Builds and runs every test: the source format check, then, in the builds of
# CMakePresets.json (warnings as errors), the unit, window, end-to-end and Python module
# tests (pytest, the example notebook, the Dask study, the type stubs, the install into a
# virtual environment) in a release build and again under AddressSanitizer and
# UndefinedBehaviorSanitizer, the real desktop program under Xvfb, the Debian packages,
# then each fuzzer for 20 seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

echo "== Source format (clang-format, .clang-format)"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

echo "== Release build and tests"
cmake --preset release >/dev/null
cmake --build --preset release -j "$jobs"
ctest --preset release -j "$jobs"

echo "== The desktop program under Xvfb"
scripts/smoke-gui.sh build/release/src/gui/tarnvik

echo "== Debian packages"
rm -f build/release/tarnvik_*.deb build/release/python3-tarnvik_*.deb
(cd build/release && cpack -G DEB >/dev/null)
contents=$(dpkg-deb --contents build/release/tarnvik_*.deb)
for file in usr/bin/tarnvik usr/bin/tarnvik-calc usr/share/applications/tarnvik.desktop \
  usr/share/icons/hicolor/scalable/apps/tarnvik.svg; do
  grep -q "\./$file\$" <<<"$contents" || { echo "the package lacks $file"; exit 1; }
done
echo "$(basename build/release/tarnvik_*.deb): $(dpkg-deb --field build/release/tarnvik_*.deb Depends)"
# The Python module's package, unpacked and imported by Debian's interpreter.
module_deb=$(ls build/release/python3-tarnvik_*.deb)
unpacked=build/release/python3-tarnvik-unpacked
rm -rf "$unpacked" && dpkg-deb -x "$module_deb" "$unpacked"
PYTHONPATH="$unpacked/usr/lib/python3/dist-packages" PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 -c \
  "import tarnvik; r = tarnvik.calculate(api=35, gas_gravity=0.75, temperature=200, pressure=3000, gor=0.5, porosity=20, swc=25, salinity=3, wor=0.5); assert round(r.bo, 3) == 1.284, r" ||
  { echo "the module in $module_deb does not import and calculate"; exit 1; }
module_contents=$(dpkg-deb --contents "$module_deb")
for file in tarnvik/__init__.pyi tarnvik/properties.pyi tarnvik/py.typed; do
  grep -q "/$file\$" <<<"$module_contents" || { echo "$module_deb lacks $file"; exit 1; }
done
echo "$(basename "$module_deb"): $(dpkg-deb --field "$module_deb" Depends)"

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$jobs"
ctest --preset sanitize -j "$jobs"

echo "== Fuzzers, 20 seconds each"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
for target in parse_number case_record run_calculation black_oil_export lab_file; do
  corpus="build/fuzz/corpus/$target"
  artifacts="build/fuzz/artifacts/$target/"
  mkdir -p "$corpus" "$artifacts"
  build/fuzz/fuzz/fuzz_$target -max_total_time=20 -print_final_stats=1 -artifact_prefix="$artifacts" \
    "$corpus" "fuzz/corpus/$target" \
    2>"build/fuzz/$target.log" || { tail -n 60 "build/fuzz/$target.log"; echo "fuzzer $target failed"; exit 1; }
  echo "fuzz_$target: $(grep -E '^(Done|stat::number_of_executed_units)' "build/fuzz/$target.log" | head -n 1)"
done
echo "All tests passed."
