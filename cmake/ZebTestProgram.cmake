# zeb_test_program(<program> TESTS <test>... [SOURCES <src>...] [LIBRARIES <lib>...])
#
# Builds a test program from the common test driver and a registry of the
# named tests, in the order given. Each test is a free function
#   int <test>(int argc, char* argv[])
# defined in one of the sources. The registry is written from the driver's
# template, ZEB_TEST_REGISTRY_TEMPLATE (the installed package sets it to its
# own copy), and the program links Zeb::zebTestDriver, the driver's main.
if(NOT DEFINED ZEB_TEST_REGISTRY_TEMPLATE)
  set(ZEB_TEST_REGISTRY_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/../Testing/Driver/TestRegistry.cxx.in)
endif()

function(zeb_test_program program)
  cmake_parse_arguments(ARG "" "" "TESTS;SOURCES;LIBRARIES" ${ARGN})
  if(NOT ARG_TESTS)
    message(FATAL_ERROR "zeb_test_program(${program}): no TESTS given")
  endif()
  set(ZEB_TEST_DECLARATIONS "")
  set(ZEB_TEST_ENTRIES "")
  foreach(test IN LISTS ARG_TESTS)
    string(APPEND ZEB_TEST_DECLARATIONS "int ${test}(int argc, char* argv[]);\n")
    string(APPEND ZEB_TEST_ENTRIES "  {\"${test}\", ${test}},\n")
  endforeach()
  set(registry ${CMAKE_CURRENT_BINARY_DIR}/${program}Registry.cxx)
  configure_file(${ZEB_TEST_REGISTRY_TEMPLATE} ${registry} @ONLY)
  add_executable(${program} ${registry} ${ARG_SOURCES})
  target_link_libraries(${program} PRIVATE Zeb::zebTestDriver ${ARG_LIBRARIES})
endfunction()

# zeb_add_program_test(<name> <program> [<arg>...])
#
# Registers one run of a test program with CTest. The run fails on a non-zero
# exit status and on a leak report from the toolkit's leak tracking.
function(zeb_add_program_test name program)
  add_test(NAME ${name} COMMAND ${program} ${ARGN})
  set_tests_properties(${name} PROPERTIES FAIL_REGULAR_EXPRESSION "Leaks detected")
endfunction()
