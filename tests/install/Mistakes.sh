# ExternalModuleTest.Mistakes, sourced by ExternalModuleTest.sh once the kit
# is installed and moved: the mistakes a module's developer can make. A typo
# in the list files fails the build, naming the symbol; an unknown component,
# a component whose language is missing, a Python other than the kit's and a
# test program without enable_testing() fail the configure, saying why; the
# wrapper macros refuse a declaration with the wrong linkage; a driver-only
# project configures with Tcl and Python out of reach and runs its test with
# the LABELS, TIMEOUT and ENVIRONMENT it gave (tests/install/consumer).

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
