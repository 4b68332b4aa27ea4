# ExternalModuleTest.Mistakes, sourced by ExternalModuleTest.sh once the kit
# is installed and moved: the mistakes a module's developer can make, one row
# each, and the wrapper contract and a driver-only project
# (tests/install/consumer).

# A row makes one mistake in a fresh copy of a project, Examples/ExternalModule
# ("example") or tests/install/consumer ("consumer"), and runs the project's
# steps up to the one that must catch it:
#   configure  cmake with the row's options (-D...)
#   build      cmake --build, going on after failures
#   install    cmake --install into the row's prefix (@PREFIX@ in the text)
#   tcl        tclsh: package require zebExampleTcl from the installed index,
#              then "loaded <core version>: <instance> <its class>"
#   image      ctest: the CTest run of the example's image test
# Every step before it must pass. The outcome is what that step must do:
# "fails" saying the text, "passes" saying it (or anything, when the text is
# empty), or "passes-without" the text. Whitespace runs count as one blank.
#   mistake <name> <project> <step> <outcome> <text> [<option>...] [--edit <shell command>]
# The edit runs in the copy's folder.
mistake() {
  local name=$1 project=$2 step=$3 outcome=$4 text=$5
  shift 5
  local edit="" options=()
  while [ $# -gt 0 ]; do
    if [ "$1" = --edit ]; then
      edit=$2
      shift 2
    else
      options+=("$1")
      shift
    fi
  done
  local row=$work/mistakes/$name
  mkdir -p "$row"
  case $project in
    example) cp -r "$source/Examples/ExternalModule" "$row/source" ;;
    consumer) cp -r "$source/tests/install/consumer" "$row/source" ;;
  esac
  if ! (cd "$row/source" && eval "$edit"); then
    fail "$name: the edit '$edit' failed"
    return
  fi
  text=${text//@PREFIX@/$row/prefix}

  local current status
  for current in configure build install tcl image; do
    status=0
    run_mistake_step "$current" "$row" "${options[@]}" >"$row/$current.log" 2>&1 || status=$?
    [ "$current" != "$step" ] || break
    if [ "$status" -ne 0 ]; then
      fail "$name: $current failed before $step: $(cat "$row/$current.log")"
      return
    fi
  done

  local said before=$failures
  said=$(tr -s ' \n' ' ' <"$row/$step.log")
  case $outcome in
    fails) [ "$status" -ne 0 ] || fail "$name: $step passed, expected it to fail" ;;
    passes | passes-without) [ "$status" -eq 0 ] || fail "$name: $step failed" ;;
  esac
  if [ "$outcome" = passes-without ]; then
    ! grep -qF -- "$text" <<<"$said" || fail "$name: $step said '$text'"
  elif ! grep -qF -- "$text" <<<"$said"; then
    fail "$name: $step did not say '$text'"
  fi
  if [ "$failures" -ne "$before" ]; then
    echo "--- $name: what $step said:" >&2
    cat "$row/$step.log" >&2
  fi
}

# run_mistake_step <step> <row> [<option>...]
run_mistake_step() {
  local step=$1 row=$2
  shift 2
  case $step in
    configure)
      cmake -S "$row/source" -B "$row/build" -G "$generator" -C "$settings" \
        -DCMAKE_PREFIX_PATH="$kit" "$@"
      ;;
    build) cmake --build "$row/build" --parallel 2 -- -k 0 ;;
    install) cmake --install "$row/build" --prefix "$row/prefix" ;;
    tcl)
      local index
      index=$(find "$row/prefix" -path "*/zebExampleTcl/pkgIndex.tcl")
      cat >"$row/check.tcl" <<TCL
lappend auto_path [file dirname [file dirname $index]]
if {[catch {package require zebExampleTcl} message]} {
  puts "refused: \$message"
  exit 1
}
puts "loaded [package present zebCommonCoreTcl]: [zebExampleCounter counter] [counter GetClassName]"
TCL
      env "${interpreter_env[@]}" "$tclsh" "$row/check.tcl"
      ;;
    image) ctest --test-dir "$row/build" -R '^example_image_tests\.' --output-on-failure ;;
  esac
}

python_version=$("$python" -c 'import sys; print("%d.%d" % sys.version_info[:2])')
creator_fails='Tcl_SetObjResult(interp, Tcl_NewStringObj("no counters today", -1)); return TCL_ERROR;'

#       name                    project  step      outcome  text
# A name in a list without its definition.
mistake typo-in-tcl-list        example  build     fails    "zebExampleCountr_TclCreate(Tcl_Interp*)" \
  --edit "echo zebExampleCountr >>zebExampleTclInit.txt"
mistake typo-in-python-list     example  build     fails    "PyZEBAddFile_zebExampleCountr" \
  --edit "echo zebExampleCountr >>zebExamplePython.list"
# A definition named in no list, and a module named apart from its file.
mistake spare-creator           example  build     passes \
  "zebExampleTcl defines zebExampleSpare_TclCreate, but its list zebExampleTclInit.txt does not name zebExampleSpare" \
  --edit "printf 'ZEB_TCL_CREATOR(zebExampleSpare)\n{\n  return TCL_OK;\n}\n' >>zebExampleTclCreators.cxx"
mistake spare-file-entry        example  build     passes \
  "zebExamplePython defines PyZEBAddFile_zebExampleSpare, but its list zebExamplePython.list does not name zebExampleSpare" \
  --edit "echo 'ZEB_PYTHON_ADD_FILE(zebExampleSpare)' >>zebExamplePythonModule.cxx"
mistake module-named-apart      example  build     fails \
  "Python imports it as zebExamplePython, but zebExamplePython.list names the module zebExamplePy" \
  --edit "sed -i 's/^zebExamplePython$/zebExamplePy/' zebExamplePython.list &&
          sed -i 's/MODULE(zebExamplePython)/MODULE(zebExamplePy)/' zebExamplePythonModule.cxx"
# Tcl packages whose creators cannot work as written.
mistake no-core-command         example  tcl       passes   "loaded 4.3: counter zebExampleCounter" \
  --edit "sed -i /COMMAND/d zebExampleTclInit.txt"
mistake failing-creator         example  tcl       fails    "refused: no counters today" \
  --edit "sed -i 's/return zebTclRegisterClass(interp, \"zebExampleCounter\");/$creator_fails/' \
            zebExampleTclCreators.cxx"
# The components.
mistake unknown-component       consumer configure fails \
  "component zebCommonCore is unknown: the components are Driver, TclWrapping" \
  -DCASE=components -DCOMPONENTS=zebCommonCore
mistake no-tcl                  consumer configure fails \
  "component TclWrapping needs Tcl 8.6's development files" \
  -DCASE=components "-DCOMPONENTS=Driver;TclWrapping" -DCMAKE_DISABLE_FIND_PACKAGE_TCL=ON
mistake other-python            consumer configure fails \
  "is built for Python $python_version, but this project uses Python 3.99" \
  -DCASE=components -DCOMPONENTS=PythonWrapping -DPRETEND_PYTHON_MINOR=99
mistake all-components-no-tcl   example  configure fails \
  "no COMPONENTS named: all were asked for" -DCMAKE_DISABLE_FIND_PACKAGE_TCL=ON
mistake tcl-not-asked-for       example  configure fails \
  "zeb_wrap_tcl_init(zebExampleTcl): add TclWrapping to the COMPONENTS of find_package(Zeb)" \
  --edit "sed -i 's/CONFIG REQUIRED)/CONFIG REQUIRED COMPONENTS Driver)/' CMakeLists.txt"
mistake python-not-asked-for    example  configure fails \
  "zeb_wrap_python_init(zebExamplePython): add PythonWrapping to the COMPONENTS of find_package(Zeb)" \
  --edit "sed -i -e 's/CONFIG REQUIRED)/CONFIG REQUIRED COMPONENTS Driver TclWrapping)/' \
            -e 's/Python3_add_library(\(.*\) WITH_SOABI/add_library(\1/' CMakeLists.txt"
# Testing.
mistake image-test-without-opengl example image   fails \
  "no implementation of zebRenderWindow is registered" \
  --edit "sed -i 's/GROUP zebInteractionStyle zebRenderingOpenGL/GROUP zebInteractionStyle/' CMakeLists.txt"
mistake baselines-without-folder example configure fails \
  "zeb_test_program(example_image_tests): BASELINES needs the folder of the baselines" \
  --edit "sed -i 's/BASELINES Testing\/Baseline/BASELINES/' CMakeLists.txt"
mistake no-testing              consumer configure fails \
  "zeb_test_program(untested_tests): testing is not enabled" -DCASE=no-testing
mistake testing-off             example  build     passes-without "example_tests" \
  -DBUILD_TESTING=OFF --edit "sed -i 's/^enable_testing()/include(CTest)/' CMakeLists.txt"
# Where the module goes.
mistake relative-python-folder  example  install   passes \
  "Installing: @PREFIX@/lib/python3/dist-packages/zebExamplePython" \
  -DZEB_INSTALL_PYTHONDIR=lib/python3/dist-packages
mistake system-python-folder    example  install   passes \
  "Installing: @PREFIX@/lib/python3/dist-packages/zebExamplePython" -DCMAKE_INSTALL_PREFIX=/usr
mistake system-tcl-folder       example  install   passes \
  "Installing: @PREFIX@/$tcl/zebExampleTcl/pkgIndex.tcl" -DCMAKE_INSTALL_PREFIX=/usr
mistake keyword-as-header       example  configure fails \
  "zeb_install_module: the header HEADER_DESTINATION does not exist" \
  --edit "sed -i 's/HEADERS zebExampleCounter.h/& HEADER_DESTINATION include\/zeb/' CMakeLists.txt"
mistake missing-header          example  configure fails \
  "zeb_install_module: the header zebExampleCountr.h does not exist" \
  --edit "sed -i 's/HEADERS zebExampleCounter.h/HEADERS zebExampleCountr.h/' CMakeLists.txt"
mistake unknown-target          example  configure fails \
  "zeb_install_module: TARGETS names zebExampleTk, which is not a target" \
  --edit "sed -i 's/TARGETS zebExample /TARGETS zebExampleTk zebExample /' CMakeLists.txt"
# Arguments that no keyword takes.
mistake install-module-argument example  configure fails \
  "zeb_install_module: cannot place the arguments TARGET zebExample" \
  --edit "sed -i 's/zeb_install_module(TARGETS/zeb_install_module(TARGET/' CMakeLists.txt"
mistake test-program-argument   example  configure fails \
  "zeb_test_program(example_tests): cannot place the arguments TEST TestExampleCounterPrint" \
  --edit "sed -i 's/^  TESTS /  TEST /' CMakeLists.txt"
mistake test-program-keyword-in-tests example configure fails \
  "zeb_test_program(example_tests): TESTS holds SOURCE, a misspelled keyword" \
  --edit "sed -i 's/^  SOURCES Testing\/TestExampleCounter.cxx/  SOURCE Testing\/TestExampleCounter.cxx/' CMakeLists.txt"
mistake test-program-keyword-in-libraries example configure fails \
  "zeb_test_program(example_tests): LIBRARIES holds LABEL, a misspelled keyword" \
  --edit "sed -i 's/^  LABELS example)/  LABEL example)/' CMakeLists.txt"
mistake test-program-no-sources-keyword example configure fails \
  "zeb_test_program(example_tests): the test Testing/TestExampleCounter.cxx is not a function's name" \
  --edit "sed -i 's/^  SOURCES Testing\/TestExampleCounter.cxx/  Testing\/TestExampleCounter.cxx/' CMakeLists.txt"
mistake wrap-tcl-argument       example  configure fails \
  "zeb_wrap_tcl_init(zebExampleTcl): cannot place the arguments VERSION 2.0" \
  --edit "sed -i 's/zebExampleTclInit.txt)/zebExampleTclInit.txt VERSION 2.0)/' CMakeLists.txt"
mistake wrap-python-argument    example  configure fails \
  "zeb_wrap_python_init(zebExamplePython): cannot place the arguments zebExampleCounter" \
  --edit "sed -i 's/zebExamplePython.list)/zebExamplePython.list zebExampleCounter)/' CMakeLists.txt"

# --- The wrapper contract: a creator or file entry declared with the wrong
# linkage beside its macro does not compile.
consumer=$work/consumer
configure_consumer() {
  cmake -S "$source/tests/install/consumer" -B "$consumer" -G "$generator" -C "$settings" \
    -DCMAKE_PREFIX_PATH="$kit" "$@"
}
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
