#!/usr/bin/env bash
# Sets up the machine, builds the default preset and runs every program on the
# bundled data, as the build of the toolkit does. Stops at the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default
cmake --build --preset default

bin=build/default/bin
run() {
  echo "==> $*"
  "$@"
}
run "$bin/animation_tests" ObriskCoreAnimationPrintSelf
run "$bin/common_tests" ObriskCoreCommonPrintSelf
mkdir -p build/default/run-programs
run "$bin/zebWrapPythonInit" Toolkit/zebCommonCorePython/zebCommonCorePython.list \
  build/default/run-programs/zebCommonCorePythonInit.cxx \
  build/default/run-programs/zebCommonCorePythonInitImpl.cxx
run "$bin/smrendering_tests" TestTransferFunctionManager
run "$bin/exodus_tests" TestExodusImplicitArrays -D ZEBData
run "$bin/zebWrapTclInit" Toolkit/zebFiltersCoreTcl/zebFiltersCoreTclInit.txt \
  build/default/zebFiltersCoreTclInit.cxx
# import_tests: the wine glass scene against its baseline; a differing image
# is written to build/default/Testing/Temporary.
mkdir -p build/default/Testing/Temporary
run "$bin/import_tests" TestVRMLNormals -D ZEBData -V ZEBData/Baseline/TestVRMLNormals.png \
  -T build/default/Testing/Temporary
run "$bin/import_tests" TestVRMLImporter -D ZEBData -V ZEBData/Baseline/TestVRMLNormals.png \
  -T build/default/Testing/Temporary
