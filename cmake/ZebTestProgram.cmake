# zeb_test_program(<program>
#   TESTS <test>...
#   SOURCES <src>...
#   [STARTUP [GROUP <module>...]...]
#   [LIBRARIES <lib>...]
#   [ARGUMENTS <arg>...] [BASELINES <folder>]
#   [LABELS <label>...] [TIMEOUT <seconds>] [ENVIRONMENT <VAR=value>...]
#   [RUN <test>... | PROBE])
#
# Builds a test program from the common test driver, a registry of the named
# tests, in the order given, and the sources. Each test is a free function
#   int <test>(int argc, char* argv[])
# defined in one of the sources.
#
# STARTUP names the program's start-up registrations: a leak-tracking holder,
# then one auto-initialisation group per GROUP, in order. They are written to
# the header TestStartup.h, and every source that includes it makes them; the
# modules are linked into the program. Without STARTUP there is no such
# header and nothing is registered.
#
# The sources form the object library <program>_objects, so that other
# programs (probes with a seam of their own) link the very same test code.
#
# Each test gets the CTest run <program>.<test>: the program started with the
# test's name and ARGUMENTS. The run fails on a non-zero exit status and on a
# leak report from the toolkit's leak tracking, whose last line gives the
# run's exit status (the driver's main hands it over); in a cross build each
# run needs the emulator's fixture (cmake/ZebEmulator.cmake). BASELINES gives
# each run the image check's options of its own test after the ARGUMENTS:
# -V <folder>/<test>.png, its baseline, and -T <build>/Testing/Temporary,
# where CTest keeps its logs, for the images of a failed check; a relative
# folder is taken from the calling source folder. LABELS, TIMEOUT and
# ENVIRONMENT become the runs' CTest properties of those names. RUN limits the
# runs to the tests it names; PROBE, for programs that only other tests start,
# makes none. A program with runs needs testing enabled (enable_testing() in
# the top-level CMakeLists.txt): without it ctest would find none of them, so
# the configure stops and says so. With BUILD_TESTING set to OFF (CTest's
# switch, which include(CTest) honours) there is no test program at all.
# Arguments before the first keyword, a misspelled keyword among the tests,
# sources, start-up modules or libraries, and a test whose name is not a
# function's stop the configure.
#
# The registry and TestStartup.h are written from the driver's templates,
# ZEB_TEST_REGISTRY_TEMPLATE and ZEB_TEST_STARTUP_TEMPLATE (the installed
# package sets them to its own copies); the program links
# Zeb::zebTestDriverMain, the driver's main.
if(NOT DEFINED ZEB_TEST_REGISTRY_TEMPLATE)
  set(ZEB_TEST_REGISTRY_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/../Testing/Driver/TestRegistry.cxx.in)
endif()
if(NOT DEFINED ZEB_TEST_STARTUP_TEMPLATE)
  set(ZEB_TEST_STARTUP_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/../Testing/Driver/TestStartup.h.in)
endif()

function(zeb_test_program program)
  cmake_parse_arguments(ARG "PROBE" "TIMEOUT;BASELINES"
    "TESTS;SOURCES;STARTUP;LIBRARIES;ARGUMENTS;RUN;LABELS;ENVIRONMENT" ${ARGN})
  set(keywords TESTS SOURCES STARTUP LIBRARIES ARGUMENTS BASELINES LABELS TIMEOUT ENVIRONMENT
    RUN PROBE)
  list(JOIN keywords ", " keyword_text)
  string(REPLACE ", PROBE" " and PROBE" keyword_text "${keyword_text}")
  if(ARG_UNPARSED_ARGUMENTS)
    list(JOIN ARG_UNPARSED_ARGUMENTS " " unplaced)
    message(FATAL_ERROR "zeb_test_program(${program}): cannot place the arguments ${unplaced}: "
      "its keywords are ${keyword_text}")
  endif()
  zeb_check_test_program_lists()
  if(DEFINED BUILD_TESTING AND NOT BUILD_TESTING)
    return()
  endif()
  if(NOT ARG_TESTS)
    message(FATAL_ERROR "zeb_test_program(${program}): no TESTS given")
  endif()

  add_library(${program}_objects OBJECT ${ARG_SOURCES})
  target_link_libraries(${program}_objects PUBLIC ${ARG_LIBRARIES})
  if(DEFINED ARG_STARTUP OR "STARTUP" IN_LIST ARG_KEYWORDS_MISSING_VALUES)
    zeb_write_test_startup(${program} ${ARG_STARTUP})
  endif()

  set(ZEB_TEST_DECLARATIONS "")
  set(ZEB_TEST_ENTRIES "")
  foreach(test IN LISTS ARG_TESTS)
    string(APPEND ZEB_TEST_DECLARATIONS "int ${test}(int argc, char* argv[]);\n")
    string(APPEND ZEB_TEST_ENTRIES "  {\"${test}\", ${test}},\n")
  endforeach()
  set(registry ${CMAKE_CURRENT_BINARY_DIR}/${program}Registry.cxx)
  configure_file(${ZEB_TEST_REGISTRY_TEMPLATE} ${registry} @ONLY)
  add_executable(${program} ${registry})
  target_link_libraries(${program} PRIVATE Zeb::zebTestDriverMain ${program}_objects)
  # The installed kit of a Windows build gives its programs' manifest (UTF-8
  # arguments and file names, long paths); this tree's build links it into
  # every program itself.
  if(TARGET Zeb::zebProgramManifest)
    target_link_libraries(${program} PRIVATE Zeb::zebProgramManifest)
  endif()
  # The objects of an object library reach only the targets that link it
  # directly: those of another program's tests are linked here.
  foreach(library IN LISTS ARG_LIBRARIES)
    if(TARGET ${library})
      get_target_property(type ${library} TYPE)
      if(type STREQUAL "OBJECT_LIBRARY")
        target_link_libraries(${program} PRIVATE ${library})
      endif()
    endif()
  endforeach()

  if(ARG_PROBE)
    return()
  endif()
  # Checked once the calling folder is read, so enable_testing() may follow
  # (a deferred call reads its arguments then: the name goes in as text).
  cmake_language(EVAL CODE "cmake_language(DEFER CALL zeb_require_testing [[${program}]])")
  set(runs ${ARG_TESTS})
  if(ARG_RUN)
    set(runs ${ARG_RUN})
  endif()
  if(DEFINED ARG_BASELINES)
    cmake_path(ABSOLUTE_PATH ARG_BASELINES NORMALIZE)
    string(REGEX REPLACE "(.)/$" "\\1" ARG_BASELINES "${ARG_BASELINES}")
  elseif("BASELINES" IN_LIST ARG_KEYWORDS_MISSING_VALUES)
    message(FATAL_ERROR "zeb_test_program(${program}): BASELINES needs the folder of the "
      "baselines, <folder>/<test>.png")
  endif()
  foreach(test IN LISTS runs)
    set(arguments ${ARG_ARGUMENTS})
    if(DEFINED ARG_BASELINES)
      list(APPEND arguments -V ${ARG_BASELINES}/${test}.png -T ${CMAKE_BINARY_DIR}/Testing/Temporary)
    endif()
    add_test(NAME ${program}.${test} COMMAND ${program} ${test} ${arguments})
    set_tests_properties(${program}.${test} PROPERTIES FAIL_REGULAR_EXPRESSION "Leaks detected")
    foreach(property LABELS TIMEOUT ENVIRONMENT)
      if(DEFINED ARG_${property})
        set_tests_properties(${program}.${test} PROPERTIES ${property} "${ARG_${property}}")
      endif()
    endforeach()
    if(ZEB_EMULATOR_FIXTURE)
      set_tests_properties(${program}.${test} PROPERTIES FIXTURES_REQUIRED ${ZEB_EMULATOR_FIXTURE})
    endif()
  endforeach()
endfunction()

# Part of zeb_test_program, reading its program, keywords and parsed
# arguments (ARG_...): stops the configure at a misspelled keyword, which
# lands in the list before it (TESTS TestA SOURCE a.cxx, LIBRARIES zebA
# LABEL kit): a keyword with or without its plural S, or LIBRARY, among the
# tests, sources, start-up modules or libraries; and at a test name that
# cannot be a function's.
function(zeb_check_test_program_lists)
  set(misspellings LIBRARY)
  foreach(keyword IN LISTS keywords)
    string(REGEX REPLACE "S$" "" singular ${keyword})
    list(APPEND misspellings ${singular} ${singular}S)
  endforeach()
  foreach(list TESTS SOURCES STARTUP LIBRARIES RUN)
    foreach(word IN LISTS ARG_${list})
      if(word IN_LIST misspellings)
        message(FATAL_ERROR "zeb_test_program(${program}): ${list} holds ${word}, a misspelled "
          "keyword: its keywords are ${keyword_text}")
      endif()
    endforeach()
  endforeach()
  foreach(test IN LISTS ARG_TESTS ARG_RUN)
    if(NOT test MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
      message(FATAL_ERROR "zeb_test_program(${program}): the test ${test} is not a function's "
        "name (int ${test}(int argc, char* argv[]) cannot be declared)")
    endif()
  endforeach()
endfunction()

# Stops the configure when the calling folder has no testing enabled
# (enable_testing() sets CMAKE_TESTING_ENABLED for its folder and the folders
# added after it).
function(zeb_require_testing program)
  if(NOT CMAKE_TESTING_ENABLED)
    message(FATAL_ERROR "zeb_test_program(${program}): testing is not enabled in "
      "${CMAKE_CURRENT_SOURCE_DIR}, so ctest would find none of its tests. Call "
      "enable_testing() in the top-level CMakeLists.txt, before the folders that hold tests.")
  endif()
endfunction()

# Writes <program>'s TestStartup.h from its STARTUP list and links the
# modules that the list names.
function(zeb_write_test_startup program)
  set(ZEB_STARTUP_LINES "ZEB_LEAK_TRACKING_HOLDER()\n")
  set(group "")
  foreach(word IN LISTS ARGN ITEMS GROUP)
    if(word STREQUAL "GROUP")
      if(group)
        list(JOIN group ", " modules)
        string(APPEND ZEB_STARTUP_LINES "ZEB_AUTOINIT_GROUP(${modules})\n")
      endif()
      set(group "")
    else()
      list(APPEND group ${word})
      target_link_libraries(${program}_objects PUBLIC Zeb::${word})
    endif()
  endforeach()
  set(directory ${CMAKE_CURRENT_BINARY_DIR}/${program}Startup)
  configure_file(${ZEB_TEST_STARTUP_TEMPLATE} ${directory}/TestStartup.h @ONLY)
  target_include_directories(${program}_objects PUBLIC ${directory})
  target_link_libraries(${program}_objects PUBLIC Zeb::zebTestToolkit)
endfunction()
