#!/usr/bin/env bash
# Installs a build of the toolkit into a temporary prefix, moves the prefix,
# checks that no installed file names the build, the source or the first
# prefix and that the libraries find each other, then configures and builds
# Examples/ExternalModule against the moved kit and runs what it made: its
# Tcl package in tclsh, its Python module in python3, and its test program by
# name, by -R fragment and with a wrong name. Removes everything it made.
#
#   ExternalModuleTest.sh <build> <source> <generator> <settings.cmake> <tclsh>
#                         <python3> [VAR=value...]
#
# <settings.cmake> is the example's initial cache (compiler, flags); the
# VAR=value pairs are the interpreters' environment (the sanitizer runtimes
# to preload). When ZEB_EXAMPLE_MEMCHECK is set, the example's test program
# and the Python import run under that command (valgrind and its options).
set -euo pipefail
build=$1 source=$2 generator=$3 settings=$4 tclsh=$5 python=$6
shift 6
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

for file in bin/zebWrapTclInit bin/zebWrapPythonInit lib/libzebCommonCore-ob4.3.so \
  lib/libzebCommonCoreTcl-ob4.3.so lib/libzebTestDriver.a lib/libzebTestDriverMain.a \
  lib/libzebPython.a include/zeb-4.3/zebObjectBase.h include/zeb-4.3/TestRegistry.h \
  include/zeb-4.3/zebTestStartup.h include/zeb-4.3/zebTclUtil.h include/zeb-4.3/zebPython.h \
  lib/cmake/Zeb/ZebConfig.cmake lib/cmake/Zeb/ZebConfigVersion.cmake \
  lib/cmake/Zeb/ZebTargets.cmake lib/cmake/Zeb/TestRegistry.cxx.in \
  lib/cmake/Zeb/TestStartup.h.in; do
  [ -f "$kit/$file" ] || fail "$file is not installed"
done

# A sanitized build's libraries keep the absolute names of the files they were
# compiled from for the sanitizers' reports (GCC does not apply
# -ffile-prefix-map to them). Those names, whole strings naming an existing
# source or header, are the only mention of a folder such a kit may hold.
sanitized=false
if readelf --dynamic "$kit/lib/libzebCommonCore-ob4.3.so" | grep -q "NEEDED.*libasan"; then
  sanitized=true
fi

# Prints the mentions of a folder in an installed file that are not allowed.
stray_mentions() {
  local path=$1 file=$2
  if ! $sanitized || ! [[ $file == *.so || $file == *.a || $file == */bin/* ]]; then
    grep -aoF "$path" "$file" | head -1
    return
  fi
  strings -a "$file" | grep -F "$path" | while read -r mention; do
    if ! [[ $mention =~ ^/[^[:space:]]*\.(cxx|h)$ && -f $mention ]]; then
      echo "$mention"
    fi
  done
}

for path in "$source" "$build" "$work/staged"; do
  while read -r file; do
    stray=$(stray_mentions "$path" "$file")
    [ -z "$stray" ] || fail "$file names $path: $(head -3 <<<"$stray")"
  done < <(grep -rlF "$path" "$kit" || true)
done

for library in "$kit"/lib/*.so; do
  soname=$(readelf --dynamic "$library" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
  [ "$soname" = "$(basename "$library")" ] || fail "$library has SONAME '$soname'"
  # Every toolkit library it needs comes from the moved kit.
  resolved=$(ldd "$library")
  if grep -q "not found" <<<"$resolved"; then
    fail "$library: $(grep "not found" <<<"$resolved")"
  fi
  while read -r needed; do
    grep -qF "$needed => $kit/lib/$needed " <<<"$resolved" ||
      fail "$library does not find $needed in the kit"
  done < <(readelf --dynamic "$library" | sed -n 's/.*(NEEDED).*\[\(libzeb.*\)\]/\1/p')
done

# --- Build the example module against the moved kit.
example=$work/example
step configure cmake -S "$source/Examples/ExternalModule" -B "$example" -G "$generator" \
  -C "$settings" -DCMAKE_PREFIX_PATH="$kit"
step build cmake --build "$example" --parallel 2
for generator_program in zebWrapTclInit zebWrapPythonInit; do
  grep -rqF "$kit/bin/$generator_program" "$example" ||
    fail "the example's build does not run the installed $generator_program"
done

counter_printout() {
  printf 'zebExampleCounter (ADDRESS)\n  Reference Count: 1\n  Count: %d' "$1"
}

# --- Its Tcl package.
cat >"$work/check.tcl" <<TCL
load $example/libzebExampleTcl.so
puts [package require zebExampleTcl]
puts [package present zebCommonCoreTcl]
puts [zebExampleCounter counter]
puts [counter GetClassName]
puts [zebCommand ListAllInstances]
puts -nonewline [zebExampleCounterPrint 2]
TCL
status=0
output=$(env "${interpreter_env[@]}" "$tclsh" "$work/check.tcl" 2>&1) || status=$?
expect_status "tclsh" "$status" 0
expect_output "tclsh" "$output" "1.0
4.3
counter
zebExampleCounter
counter
$(counter_printout 2)"

# --- Its Python module.
cat >"$work/check.py" <<'PYTHON'
import os
import sys

sys.path.insert(0, sys.argv[1])
import zebExamplePython

print(os.path.dirname(os.path.abspath(zebExamplePython.__file__)) == os.path.abspath(sys.argv[1]))
print(zebExamplePython.__name__)
print(zebExamplePython.zebAddFileOrder)
print(zebExamplePython.zebExampleCounter)
print(zebExamplePython.PrintCounter(3), end="")
PYTHON
status=0
output=$(env "${interpreter_env[@]}" "${memcheck[@]}" "$python" "$work/check.py" "$example" 2>&1) ||
  status=$?
expect_status "python3" "$status" 0
expect_output "python3" "$output" "True
zebExamplePython
['zebExampleCounter']
zebExamplePython
$(counter_printout 3)"

# --- Its test program: by name, by fragment (two arguments to count), and with
# a name it does not hold. Leak reports would land on standard error.
run_example_tests() {
  status=0
  output=$("${memcheck[@]}" "$example/example_tests" "$@" 2>"$work/stderr") || status=$?
  if [ -s "$work/stderr" ]; then
    fail "example_tests $* wrote on standard error: $(cat "$work/stderr")"
  fi
}

run_example_tests TestExampleCounterPrint
expect_status "example_tests TestExampleCounterPrint" "$status" 0
expect_output "example_tests TestExampleCounterPrint" "$output" "$(counter_printout 0)"

run_example_tests -R increment one two
expect_status "example_tests -R increment" "$status" 0
expect_output "example_tests -R increment" "$output" "$(counter_printout 2)"

run_example_tests TestNoSuchCounter
expect_status "example_tests TestNoSuchCounter" "$status" 255
expect_output "example_tests TestNoSuchCounter" "$output" "Available tests:
  0. TestExampleCounterPrint
  1. TestExampleCounterIncrement
Failed: TestNoSuchCounter is an invalid test name."

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "the kit installed, moved and used by the example module: all checks passed"
