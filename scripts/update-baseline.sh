#!/usr/bin/env bash
# Renders import_tests' TestVRMLNormals on the bundled scene and compares it
# with its baseline, ZEBData/Baseline/TestVRMLNormals.png. When they differ it
# prints the error and where the test, difference and side-by-side images
# are (build/default/Testing/BaselineUpdate), and with --replace copies the
# new rendering over the baseline. Run it by hand after a deliberate change
# of the scene or the renderer, look at the images, then commit; CI never
# runs it.
#
#   bash scripts/update-baseline.sh            # render and show the difference
#   bash scripts/update-baseline.sh --replace  # ... and replace the baseline
set -euo pipefail
cd "$(dirname "$0")/.."

replace=no
case "${1:-}" in
  "") ;;
  --replace) replace=yes ;;
  *)
    echo "usage: $0 [--replace]" >&2
    exit 2
    ;;
esac

cmake --preset default >/dev/null
cmake --build --preset default --target import_tests
baseline=ZEBData/Baseline/TestVRMLNormals.png
out=build/default/Testing/BaselineUpdate
rm -rf "$out"
mkdir -p "$out"

if build/default/bin/import_tests TestVRMLNormals -D ZEBData -V "$baseline" -T "$out"; then
  echo "The rendering matches $baseline; nothing to update."
  exit 0
fi
if [ ! -f "$out/TestVRMLNormals-test.png" ]; then
  echo "No image was rendered; the baseline is kept." >&2
  exit 1
fi
if [ "$replace" = yes ]; then
  cp "$out/TestVRMLNormals-test.png" "$baseline"
  echo "Replaced $baseline with the new rendering; look at it before committing."
else
  echo "Look at $out/TestVRMLNormals-compare.png (baseline | test | difference);"
  echo "to take the new rendering as the baseline: bash $0 --replace"
fi
