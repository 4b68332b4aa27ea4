#!/usr/bin/env bash
# The CTest case WindowsKit.Installed of a Windows cross build: installs the
# build into a temporary prefix, checks that the core Tcl package's index
# names its DLL where the install put it, then builds a driver-only project
# against the installed kit with the build's toolchain and runs its test
# program under wine from the kit's bin folder, with a test name outside
# the code page: the kit's manifest must reach the module's program, so that
# the name arrives in UTF-8. Removes everything it made.
#
#   WindowsKit.sh <build> <source> <toolchain file> <wine-run.sh> <wine prefix>
set -euo pipefail
build=$1 source=$2 toolchain=$3 wine_run=$4 wine_prefix=$5

source "$(dirname "$0")/Checks.sh"

kit=$work/kit
step install cmake --install "$build" --prefix "$kit"

# "package ifneeded zebCommonCoreTcl 4.3 [list load [file join $dir <path> <file>] ...]"
index=$kit/lib/zebCommonCoreTcl/pkgIndex.tcl
load=$(sed -nE 's/.*\[file join \$dir ([^ ]+) ([^] ]+)\].*/\1\/\2/p' "$index")
if [ -z "$load" ]; then
  fail "$index names no library: $(cat "$index")"
elif [ ! -f "$(dirname "$index")/$load" ]; then
  fail "$index loads $load, which the install did not put there"
fi

step configure cmake -S "$source/tests/install/consumer" -B "$work/consumer" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DZeb_DIR="$kit/lib/cmake/Zeb" -DCASE=driver-only
step build cmake --build "$work/consumer"
cp "$work/consumer/driver_only_tests.exe" "$kit/bin/"
status=0
out=$("$wine_run" "$wine_prefix" "$kit/bin/driver_only_tests.exe" "田中") || status=$?
if [ "$status" -eq 0 ] || ! grep -q "Failed: 田中 is an invalid test name." <<<"$out"; then
  fail "the module's test program, given 田中 (status $status):"
  echo "$out" >&2
fi

finish_checks WindowsKit.Installed
