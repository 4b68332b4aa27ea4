# zeb_gtest(<name> SOURCES <src>... [LIBRARIES <lib>...]
#           [PROGRAMS <macro>=<target>...] [DEFINITIONS <definition>...]
#           [LEAK_CHECKED] [TIMEOUT <seconds> TIMED <filter>])
#
# Builds the GoogleTest program <name> and registers each of its cases with
# CTest as <name>.<suite>.<case>. Every PROGRAMS pair defines <macro> as the
# path of the target's file and builds the target first. LEAK_CHECKED fails a
# case on a leak report from the toolkit's leak tracking. TIMEOUT fails a
# case that TIMED (a --gtest_filter pattern) names when it runs longer.
function(zeb_gtest name)
  cmake_parse_arguments(ARG "LEAK_CHECKED" "TIMEOUT;TIMED" "SOURCES;LIBRARIES;PROGRAMS;DEFINITIONS" ${ARGN})
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
  if(ARG_TIMED)
    gtest_discover_tests(${name} TEST_PREFIX ${name}. TEST_FILTER "-${ARG_TIMED}" ${properties})
    if(NOT properties)
      set(properties PROPERTIES)
    endif()
    gtest_discover_tests(${name} TEST_PREFIX ${name}. TEST_FILTER "${ARG_TIMED}"
      ${properties} TIMEOUT ${ARG_TIMEOUT})
  else()
    gtest_discover_tests(${name} TEST_PREFIX ${name}. ${properties})
  endif()
endfunction()
