#!/usr/bin/env bash
# Renders import_tests' TestVRMLNormals on the bundled scene and compares it
# with its baseline, ZEBData/Baseline/TestVRMLNormals.png, through the kit's
# baseline tool (Testing/BaselineTool/zebBaseline.sh). When they differ it prints
# the error and where the test, difference and side-by-side images are
# (build/default/Testing/BaselineUpdate); --replace takes the rendering as the
# baseline, --alternate as the next alternative baseline
# (TestVRMLNormals_<n>.png). Run it by hand after a deliberate change of the
# scene or the renderer, look at the images, then commit; CI never runs it.
#
#   bash scripts/update-baseline.sh              # render and show the difference
#   bash scripts/update-baseline.sh --replace    # ... and replace the baseline
#   bash scripts/update-baseline.sh --alternate  # ... and add an alternative
set -euo pipefail
cd "$(dirname "$0")/.."

case "${1:-}" in
  "" | --replace | --alternate) ;;
  *)
    echo "usage: $0 [--replace | --alternate]" >&2
    exit 2
    ;;
esac

cmake --preset default >/dev/null
cmake --build --preset default --target import_tests
exec bash Testing/BaselineTool/zebBaseline.sh "$@" build/default/bin/import_tests TestVRMLNormals \
  -D ZEBData -V ZEBData/Baseline/TestVRMLNormals.png -T build/default/Testing/BaselineUpdate
