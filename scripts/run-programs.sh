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
run "$bin/zebWrapTclInit" Toolkit/zebFiltersCoreTcl/zebFiltersCoreTclInit.txt \
  build/default/zebFiltersCoreTclInit.cxx
