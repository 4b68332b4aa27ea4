# zeb_test_program(<program>
#   TESTS <test>...
#   SOURCES <src>...
#   [STARTUP [GROUP <module>...]...]
#   [LIBRARIES <lib>...]
#   [ARGUMENTS <arg>...]
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
# leak report from the toolkit's leak tracking. RUN limits the runs to the
# tests it names; PROBE, for programs that only other tests start, makes none.
set(ZEB_DRIVER_DIR ${CMAKE_CURRENT_LIST_DIR}/../Testing/Driver)

function(zeb_test_program program)
  cmake_parse_arguments(ARG "PROBE" "" "TESTS;SOURCES;STARTUP;LIBRARIES;ARGUMENTS;RUN" ${ARGN})
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
  configure_file(${ZEB_DRIVER_DIR}/TestRegistry.cxx.in ${registry} @ONLY)
  add_executable(${program} ${registry})
  target_link_libraries(${program} PRIVATE zebTestDriverMain ${program}_objects)
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
  set(runs ${ARG_TESTS})
  if(ARG_RUN)
    set(runs ${ARG_RUN})
  endif()
  foreach(test IN LISTS runs)
    add_test(NAME ${program}.${test} COMMAND ${program} ${test} ${ARG_ARGUMENTS})
    set_tests_properties(${program}.${test} PROPERTIES FAIL_REGULAR_EXPRESSION "Leaks detected")
  endforeach()
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
      target_link_libraries(${program}_objects PUBLIC ${word})
    endif()
  endforeach()
  set(directory ${CMAKE_CURRENT_BINARY_DIR}/${program}Startup)
  configure_file(${ZEB_DRIVER_DIR}/TestStartup.h.in ${directory}/TestStartup.h @ONLY)
  target_include_directories(${program}_objects PUBLIC ${directory})
  target_link_libraries(${program}_objects PUBLIC zebTestToolkit)
endfunction()

# zeb_gtest(<name> SOURCES <src>... [LIBRARIES <lib>...]
#           [PROGRAMS <macro>=<target>...] [DEFINITIONS <definition>...]
#           [LEAK_CHECKED])
#
# Builds the GoogleTest program <name> and registers each of its cases with
# CTest as <name>.<suite>.<case>. Every PROGRAMS pair defines <macro> as the
# path of the target's file and builds the target first. LEAK_CHECKED fails a
# case on a leak report from the toolkit's leak tracking.
function(zeb_gtest name)
  cmake_parse_arguments(ARG "LEAK_CHECKED" "" "SOURCES;LIBRARIES;PROGRAMS;DEFINITIONS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE ${ARG_DEFINITIONS})
  foreach(pair IN LISTS ARG_PROGRAMS)
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 macro)
    list(GET pair 1 target)
    target_compile_definitions(${name} PRIVATE ${macro}="$<TARGET_FILE:${target}>")
    add_dependencies(${name} ${target})
  endforeach()
  set(properties "")
  if(ARG_LEAK_CHECKED)
    set(properties PROPERTIES FAIL_REGULAR_EXPRESSION "Leaks detected")
  endif()
  gtest_discover_tests(${name} TEST_PREFIX ${name}. ${properties})
endfunction()
