#!/usr/bin/env bash
# Sets up the machine, builds the default preset and runs every program on the
# bundled data, as the build of the toolkit does. Stops at the first failure;
# the last line says what ran and what passed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default
cmake --build --preset default

bin=build/default/bin
ran=0
passed=0
programs=()
# Runs one program; a failure stops the job after the summary line.
run() {
  echo "==> $*"
  ran=$((ran + 1))
  local name status=0
  name=$(basename "$1")
  [[ " ${programs[*]} " == *" $name "* ]] || programs+=("$name")
  "$@" || status=$?
  if [ "$status" -ne 0 ]; then
    echo "run-programs: FAILED: $name (exit status $status); $passed of $ran runs passed"
    exit "$status"
  fi
  passed=$((passed + 1))
}
out=build/default/run-programs
mkdir -p "$out" build/default/Testing/Temporary

# The generators, on the list files of the bundled wrapped libraries; the
# generated sources land in build/default/run-programs.
run "$bin/zebWrapTclInit" tests/wrap_tcl/zebFiltersCoreTcl/zebFiltersCoreTclInit.txt \
  "$out/zebFiltersCoreTclInit.cxx"
run "$bin/zebWrapPythonInit" tests/wrap_python/zebCommonCorePython/zebCommonCorePython.list \
  "$out/zebCommonCorePythonInit.cxx" "$out/zebCommonCorePythonInitImpl.cxx"

# The test programs, on the bundled data root ZEBData.
run "$bin/smrendering_tests" TestTransferFunctionManager
# import_tests: the wine glass scene against its baseline; a differing image
# is written to build/default/Testing/Temporary.
run "$bin/import_tests" TestVRMLNormals -D ZEBData -V ZEBData/Baseline/TestVRMLNormals.png \
  -T build/default/Testing/Temporary
run "$bin/import_tests" TestVRMLImporter -D ZEBData -V ZEBData/Baseline/TestVRMLNormals.png \
  -T build/default/Testing/Temporary
run "$bin/exodus_tests" TestExodusImplicitArrays -D ZEBData
run "$bin/animation_tests" ObriskCoreAnimationPrintSelf
run "$bin/common_tests" ObriskCoreCommonPrintSelf

echo "run-programs: $passed of $ran runs passed (${#programs[@]} programs: ${programs[*]})"
