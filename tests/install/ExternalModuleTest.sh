#!/usr/bin/env bash
# The CTest cases ExternalModuleTest.<case>: installs a build of the toolkit
# into a temporary prefix, moves the prefix, then runs the checks of <case>
# (InstalledKit.sh: the installed kit and the example module built, installed
# and run against it, its image test too (ImageTest.sh); Mistakes.sh: the
# mistakes a module's developer can make and a driver-only project;
# DebianPackages.sh: the kit's Debian packages, checked, unpacked and used).
# Removes everything it made.
#
#   ExternalModuleTest.sh <case> <build> <source> <generator> <settings.cmake>
#                         <tclsh> <python3> [VAR=value...]
#
# <settings.cmake> is the initial cache of the projects built against the kit
# (compiler, flags); the VAR=value pairs are the interpreters' environment
# (the sanitizer runtimes to preload). When ZEB_EXAMPLE_MEMCHECK is set, the
# example's test program and the Python import run under that command
# (valgrind and its options), and so does one run of its image test program.
set -euo pipefail
case=$1 build=$2 source=$3 generator=$4 settings=$5 tclsh=$6 python=$7
shift 7
interpreter_env=("$@")
read -r -a memcheck <<<"${ZEB_EXAMPLE_MEMCHECK:-}"

work=$(mktemp -d "${TMPDIR:-/tmp}/zeb-install-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

# Runs a command with its output in $work/<name>.log; shows the log and stops
# when the command fails.
step() {
  local name=$1
  shift
  if ! "$@" >"$work/$name.log" 2>&1; then
    cat "$work/$name.log" >&2
    echo "FAILED: $name: $*" >&2
    exit 1
  fi
}

# Compares what a run printed, with every address "(0x...)" written as
# "(ADDRESS)", to the expected text.
expect_output() {
  local what=$1 actual=$2 expected=$3
  actual=$(sed -E 's/\(0x[0-9a-f]+\)/(ADDRESS)/g' <<<"$actual")
  if [ "$actual" != "$expected" ]; then
    fail "$what printed"
    diff <(echo "$expected") <(echo "$actual") >&2 || true
  fi
}

expect_status() {
  local what=$1 actual=$2 expected=$3
  if [ "$actual" -ne "$expected" ]; then
    fail "$what exited with status $actual, expected $expected"
  fi
}

# --- Install and move.
step install cmake --install "$build" --prefix "$work/staged"
mkdir "$work/moved"
mv "$work/staged" "$work/moved/zeb"
kit=$work/moved/zeb
# The library folder: lib, or lib/<multiarch triplet>.
config=$(find "$kit" -path "*/cmake/Zeb/ZebConfig.cmake")
lib=${config#"$kit/"}
lib=${lib%/cmake/Zeb/ZebConfig.cmake}
# The Tcl packages' folder: lib/tcltk/<multiarch triplet>, or the library folder.
tcl=$lib
if [ "$lib" != lib ]; then
  tcl=lib/tcltk/${lib#lib/}
fi

source "$(dirname "$0")/$case.sh"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "ExternalModuleTest.$case: all checks passed"
