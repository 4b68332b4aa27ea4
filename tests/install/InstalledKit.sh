# ExternalModuleTest.InstalledKit, sourced by ExternalModuleTest.sh once the
# kit is installed and moved: checks that no installed file names the build,
# the source, the first prefix or a versioned shared library by its path and
# that the libraries find each other, then configures, builds and installs
# Examples/ExternalModule against the moved kit and runs what it made: its
# installed Tcl package in tclsh (package require), its installed Python
# module in python3 from a clean environment, its test program by name, by -R
# fragment and with a wrong name, and its image test (ImageTest.sh).

for file in bin/zebWrapTclInit bin/zebWrapPythonInit bin/zebBaseline \
  $lib/libzebCommonCore-ob4.3.so $lib/libzebCommonCoreTcl-ob4.3.so \
  $tcl/zebCommonCoreTcl/pkgIndex.tcl \
  $lib/libzebTestDriver.a $lib/libzebTestDriverMain.a $lib/libzebTestDataFile.a \
  include/zeb-4.3/TestDataFile.h include/zeb-4.3/zebTesting.h \
  $lib/libzebPython.a include/zeb-4.3/zebObjectBase.h include/zeb-4.3/TestRegistry.h \
  include/zeb-4.3/zebTestStartup.h include/zeb-4.3/zebTclUtil.h include/zeb-4.3/zebPython.h \
  include/zeb-4.3/zebVersion.h $lib/cmake/Zeb/ZebConfig.cmake \
  $lib/cmake/Zeb/ZebConfigVersion.cmake $lib/cmake/Zeb/ZebTargets.cmake \
  $lib/cmake/Zeb/ZebInstallModule.cmake $lib/cmake/Zeb/TestRegistry.cxx.in \
  $lib/cmake/Zeb/TestStartup.h.in $lib/cmake/Zeb/ZebWrapList.cmake $lib/cmake/Zeb/ZebWrapCheck.cmake \
  share/doc/libzeb-dev/README.md share/doc/libzeb-dev/copyright share/doc/libzeb-dev/changelog.gz \
  share/doc/libzeb-ob4.3/copyright share/doc/libzeb-ob4.3/changelog.gz; do
  [ -f "$kit/$file" ] || fail "$file is not installed"
done

# A sanitized build's libraries keep the absolute names of the files they were
# compiled from for the sanitizers' reports (GCC does not apply
# -ffile-prefix-map to them). Those names, whole strings naming an existing
# source or header, are the only mention of a folder such a kit may hold.
sanitized=false
if readelf --dynamic "$kit/$lib/libzebCommonCore-ob4.3.so" | grep -q "NEEDED.*libasan"; then
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
# A copy, whose scene the image test changes.
example_source=$work/example-source
cp -r "$source/Examples/ExternalModule" "$example_source"
example=$work/example
module=$work/module
step configure cmake -S "$example_source" -B "$example" -G "$generator" \
  -C "$settings" -DCMAKE_PREFIX_PATH="$kit"
step build cmake --build "$example" --parallel 2
step install-module cmake --install "$example" --prefix "$module"
cached() {
  sed -n "s/^$1:[A-Z]*=//p" "$example/CMakeCache.txt"
}
module_lib=$module/$(cached CMAKE_INSTALL_LIBDIR)
module_tcl=$module/$(cached ZEB_INSTALL_TCLDIR)
module_python=$module/$(cached ZEB_INSTALL_PYTHONDIR)
for file in "$module_lib/libzebExample.so" "$module_lib/libzebExampleTcl.so" \
  "$module_tcl/zebExampleTcl/pkgIndex.tcl" "$module/include/zebExampleCounter.h"; do
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
lappend auto_path $module_tcl $kit/$tcl
puts [package require zebExampleTcl]
foreach loaded [info loaded] {
  if {[lindex \$loaded 1] eq "Zebexampletcl"} {
    puts [file dirname [file normalize [lindex \$loaded 0]]]
  }
}
puts [package present zebCommonCoreTcl]
set core [interp create]
\$core eval [list lappend auto_path $kit/$tcl]
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

source "$(dirname "$0")/ImageTest.sh"
