#!/usr/bin/env bash
# Sets up the machine, then configures, builds and runs the whole test suite
# in the default preset.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --workflow --preset default
