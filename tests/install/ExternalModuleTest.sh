#!/usr/bin/env bash
# Installs a build of the toolkit into a temporary prefix, moves the prefix,
# checks that no installed file names the build, the source, the first prefix
# or a versioned shared library by its path and that the libraries find each
# other, then configures, builds and installs Examples/ExternalModule against
# the moved kit and runs what it made: its installed Tcl package in tclsh
# (package require), its installed Python module in python3 from a clean
# environment, and its test program by name, by -R fragment and with a wrong
# name. Then the mistakes a module's developer can make: a typo in the list
# files fails the build; an unknown component, a component whose language is
# missing, a Python other than the kit's and a test program without
# enable_testing() fail the configure, saying why; a driver-only project
# configures without Tcl and Python and runs its test with the LABELS,
# TIMEOUT and ENVIRONMENT it gave (tests/install/consumer); the wrapper
# macros refuse a declaration with the wrong linkage. Removes everything it
# made.
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
# The library folder: lib, or lib/<multiarch triplet>.
config=$(find "$kit" -path "*/cmake/Zeb/ZebConfig.cmake")
lib=${config#"$kit/"}
lib=${lib%/cmake/Zeb/ZebConfig.cmake}

for file in bin/zebWrapTclInit bin/zebWrapPythonInit $lib/libzebCommonCore-ob4.3.so \
  $lib/libzebCommonCoreTcl-ob4.3.so $lib/zebCommonCoreTcl/pkgIndex.tcl \
  $lib/libzebTestDriver.a $lib/libzebTestDriverMain.a \
  $lib/libzebPython.a include/zeb-4.3/zebObjectBase.h include/zeb-4.3/TestRegistry.h \
  include/zeb-4.3/zebTestStartup.h include/zeb-4.3/zebTclUtil.h include/zeb-4.3/zebPython.h \
  include/zeb-4.3/zebVersion.h $lib/cmake/Zeb/ZebConfig.cmake \
  $lib/cmake/Zeb/ZebConfigVersion.cmake $lib/cmake/Zeb/ZebTargets.cmake \
  $lib/cmake/Zeb/ZebInstallModule.cmake $lib/cmake/Zeb/TestRegistry.cxx.in \
  $lib/cmake/Zeb/TestStartup.h.in share/doc/zeb/README.md share/doc/zeb/copyright; do
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

# Nor a shared library of this machine by its path (another machine has
# another build of it): only the ELF interpreter of the programs is a path
# that the system fixes.
while read -r file; do
  interpreter=$(readelf --program-headers "$file" 2>/dev/null |
    sed -n 's/.*Requesting program interpreter: \(.*\)\]/\1/p')
  while read -r path; do
    [ "$path" = "$interpreter" ] || fail "$file names the shared library $path"
  done < <(grep -aoE '/[^[:space:][:cntrl:]"]*\.so\.[0-9][0-9.]*' "$file" | sort -u)
done < <(grep -rlaE '/[^[:space:]]*\.so\.[0-9]' "$kit" || true)

for library in "$kit/$lib"/*.so; do
  soname=$(readelf --dynamic "$library" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
  [ "$soname" = "$(basename "$library")" ] || fail "$library has SONAME '$soname'"
  # Every toolkit library it needs comes from the moved kit.
  resolved=$(ldd "$library")
  if grep -q "not found" <<<"$resolved"; then
    fail "$library: $(grep "not found" <<<"$resolved")"
  fi
  while read -r needed; do
    grep -qF "$needed => $kit/$lib/$needed " <<<"$resolved" ||
      fail "$library does not find $needed in the kit"
  done < <(readelf --dynamic "$library" | sed -n 's/.*(NEEDED).*\[\(libzeb.*\)\]/\1/p')
done

# --- Build and install the example module against the moved kit.
example=$work/example
module=$work/module
step configure cmake -S "$source/Examples/ExternalModule" -B "$example" -G "$generator" \
  -C "$settings" -DCMAKE_PREFIX_PATH="$kit"
step build cmake --build "$example" --parallel 2
step install-module cmake --install "$example" --prefix "$module"
cached() {
  sed -n "s/^$1:[A-Z]*=//p" "$example/CMakeCache.txt"
}
module_lib=$module/$(cached CMAKE_INSTALL_LIBDIR)
module_python=$module/$(cached ZEB_INSTALL_PYTHONDIR)
for file in "$module_lib/libzebExample.so" "$module_lib/libzebExampleTcl.so" \
  "$module_lib/zebExampleTcl/pkgIndex.tcl" "$module/include/zebExampleCounter.h"; do
  [ -f "$file" ] || fail "the example did not install $file"
done
for generator_program in zebWrapTclInit zebWrapPythonInit; do
  grep -rqF "$kit/bin/$generator_program" "$example" ||
    fail "the example's build does not run the installed $generator_program"
done

counter_printout() {
  printf 'zebExampleCounter (ADDRESS)\n  Reference Count: 1\n  Count: %d' "$1"
}

# --- Its installed Tcl package, found through auto_path, and the kit's core
# package, required on its own in a second interpreter.
cat >"$work/check.tcl" <<TCL
lappend auto_path $module_lib $kit/$lib
puts [package require zebExampleTcl]
foreach loaded [info loaded] {
  if {[lindex \$loaded 1] eq "Zebexampletcl"} {
    puts [file dirname [file normalize [lindex \$loaded 0]]]
  }
}
puts [package present zebCommonCoreTcl]
set core [interp create]
\$core eval [list lappend auto_path $kit/$lib]
puts [\$core eval {package require zebCommonCoreTcl}]
puts [zebExampleCounter counter]
puts [counter GetClassName]
puts [zebCommand ListAllInstances]
puts -nonewline [zebExampleCounterPrint 2]
TCL
status=0
output=$(env "${interpreter_env[@]}" "$tclsh" "$work/check.tcl" 2>&1) || status=$?
expect_status "tclsh" "$status" 0
expect_output "tclsh" "$output" "1.0
$module_lib
4.3
4.3
counter
zebExampleCounter
counter
$(counter_printout 2)"

# --- Its installed Python module, imported with nothing but the installed
# site-packages on the path.
cat >"$work/check.py" <<'PYTHON'
import os
import sys

import zebExamplePython

print(os.path.dirname(os.path.abspath(zebExamplePython.__file__)) == os.path.abspath(sys.argv[1]))
print(zebExamplePython.__name__)
print(zebExamplePython.zebAddFileOrder)
print(zebExamplePython.zebExampleCounter)
print(zebExamplePython.PrintCounter(3), end="")
PYTHON
status=0
output=$(env -i PYTHONPATH="$module_python" "${interpreter_env[@]}" "${memcheck[@]}" \
  "$python" "$work/check.py" "$module_python" 2>&1) || status=$?
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

# --- A typo in both list files: the build fails and names what is missing.
typo=$work/typo
cp -r "$source/Examples/ExternalModule" "$typo-source"
echo zebExampleCountr >>"$typo-source/zebExampleTclInit.txt"
echo zebExampleCountr >>"$typo-source/zebExamplePython.list"
step configure-typo cmake -S "$typo-source" -B "$typo" -G "$generator" -C "$settings" \
  -DCMAKE_PREFIX_PATH="$kit"
if cmake --build "$typo" --target zebExampleTcl zebExamplePython_link_check -- -k 0 \
  >"$work/typo.log" 2>&1; then
  fail "a list file naming zebExampleCountr built"
fi
for symbol in zebExampleCountr_TclCreate PyZEBAddFile_zebExampleCountr; do
  grep -q "undefined reference to .$symbol" "$work/typo.log" ||
    fail "the failed build does not name $symbol: $(grep -m3 error "$work/typo.log")"
done

# --- Projects that use the kit wrongly, or with only a part of it.
consumer=$work/consumer
configure_consumer() {
  cmake -S "$source/tests/install/consumer" -B "$consumer" -G "$generator" -C "$settings" \
    -DCMAKE_PREFIX_PATH="$kit" "$@"
}

# Configures the consumer with the given options and expects a failure that
# says the given text.
expect_refusal() {
  local text=$1
  shift
  if configure_consumer "$@" >"$work/consumer.log" 2>&1; then
    fail "the consumer configured with $*"
  elif ! tr -s ' \n' ' ' <"$work/consumer.log" | grep -qF "$text"; then
    fail "configured with $*, the consumer did not say '$text': $(cat "$work/consumer.log")"
  fi
}

expect_refusal "component zebCommonCore is unknown: the components are Driver, TclWrapping" \
  -DCASE=components -DCOMPONENTS=zebCommonCore
expect_refusal "component TclWrapping needs Tcl 8.6's development files" \
  -DCASE=components "-DCOMPONENTS=Driver;TclWrapping" -DCMAKE_DISABLE_FIND_PACKAGE_TCL=ON
python_version=$("$python" -c 'import sys; print("%d.%d" % sys.version_info[:2])')
expect_refusal "is built for Python $python_version, but this project uses Python 3.99" \
  -DCASE=components -DCOMPONENTS=PythonWrapping -UCMAKE_DISABLE_FIND_PACKAGE_TCL \
  -DPRETEND_PYTHON_MINOR=99
expect_refusal "zeb_test_program(untested_tests): testing is not enabled" \
  -DCASE=no-testing -UPRETEND_PYTHON_MINOR

if configure_consumer -DCASE=contract >"$work/consumer.log" 2>&1; then
  expect_output "the wrapper contract" "$(sed -n 's/^-- contract //p' "$work/consumer.log")" \
    "TclCreator: TRUE
TclCreatorWithCLinkage: FALSE
PythonEntries: TRUE
PythonEntryWithCxxLinkage: FALSE"
else
  fail "the contract consumer: $(cat "$work/consumer.log")"
fi

# The driver alone, with Tcl and Python out of reach: configures, builds, and
# its test passes with its LABELS, TIMEOUT and ENVIRONMENT.
consumer=$work/driver-only
step configure-driver-only configure_consumer -DCASE=driver-only \
  -DCMAKE_DISABLE_FIND_PACKAGE_TCL=ON -DCMAKE_DISABLE_FIND_PACKAGE_Python3=ON
step build-driver-only cmake --build "$consumer"
step test-driver-only ctest --test-dir "$consumer" -L kit --no-tests=error
grep -qF "TIMEOUT \"60\"" "$consumer/CTestTestfile.cmake" ||
  fail "driver_only_tests.TestEnvironment has no TIMEOUT of 60"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "the kit installed, moved and used by the example module: all checks passed"
