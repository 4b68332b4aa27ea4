# zeb_gtest(<name> SOURCES <src>... [LIBRARIES <lib>...]
#           [PROGRAMS <macro>=<target>...] [DEFINITIONS <definition>...]
#           [LEAK_CHECKED] [TIMEOUT <seconds> TIMED <filter>])
#
# Builds the GoogleTest program <name> and registers each of its cases with
# CTest as <name>.<suite>.<case>. Every PROGRAMS pair defines <macro> as the
# path of the target's file and builds the target first. LEAK_CHECKED fails a
# case on a leak report from the toolkit's leak tracking. TIMEOUT fails a
# case that TIMED (a --gtest_filter pattern) names when it runs longer.
#
# A native build uses the system's GoogleTest; a cross build compiles
# Debian's GoogleTest sources (ZEB_GTEST_SOURCE_DIR) with the cross compiler.
if(CMAKE_CROSSCOMPILING)
  set(ZEB_GTEST_SOURCE_DIR /usr/src/googletest/googletest CACHE PATH
    "GoogleTest sources that a cross build compiles")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  # Its targets carry the names find_package(GTest) gives.
  add_subdirectory(${ZEB_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  include(GoogleTest)
else()
  find_package(GTest REQUIRED)
endif()
include(ZebEmulator)

function(zeb_gtest name)
  cmake_parse_arguments(ARG "LEAK_CHECKED" "TIMEOUT;TIMED" "SOURCES;LIBRARIES;PROGRAMS;DEFINITIONS" ${ARGN})
  if(ARG_UNPARSED_ARGUMENTS)
    list(JOIN ARG_UNPARSED_ARGUMENTS " " unplaced)
    message(FATAL_ERROR "zeb_gtest(${name}): cannot place the arguments ${unplaced}: its "
      "keywords are SOURCES, LIBRARIES, PROGRAMS, DEFINITIONS, LEAK_CHECKED, TIMEOUT and TIMED")
  endif()
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
    list(APPEND properties FAIL_REGULAR_EXPRESSION "Leaks detected")
  endif()
  if(ZEB_EMULATOR_FIXTURE)
    list(APPEND properties FIXTURES_REQUIRED ${ZEB_EMULATOR_FIXTURE})
  endif()
  if(properties)
    set(properties PROPERTIES ${properties})
  endif()
  # The first run under an emulator may have to set it up (wine makes its
  # prefix), which takes longer than listing the cases.
  if(ARG_TIMED)
    gtest_discover_tests(${name} TEST_PREFIX ${name}. TEST_FILTER "-${ARG_TIMED}" ${properties}
      DISCOVERY_TIMEOUT 120)
    if(NOT properties)
      set(properties PROPERTIES)
    endif()
    gtest_discover_tests(${name} TEST_PREFIX ${name}. TEST_FILTER "${ARG_TIMED}"
      ${properties} TIMEOUT ${ARG_TIMEOUT} DISCOVERY_TIMEOUT 120)
  else()
    gtest_discover_tests(${name} TEST_PREFIX ${name}. ${properties} DISCOVERY_TIMEOUT 120)
  endif()
endfunction()
