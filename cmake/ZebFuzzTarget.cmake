# zeb_fuzz_target(<name> SOURCES <src>... [LIBRARIES <lib>...])
#
# An executable fuzz_<name> with libFuzzer's main, built by the zeb_fuzzers
# target of the fuzz preset. Its sources include FuzzChecks.h (tests/fuzz).
add_custom_target(zeb_fuzzers)

function(zeb_fuzz_target name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  if(ARG_UNPARSED_ARGUMENTS)
    list(JOIN ARG_UNPARSED_ARGUMENTS " " unplaced)
    message(FATAL_ERROR "zeb_fuzz_target(${name}): cannot place the arguments ${unplaced}: its "
      "keywords are SOURCES and LIBRARIES")
  endif()
  add_executable(fuzz_${name} ${ARG_SOURCES})
  target_include_directories(fuzz_${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/fuzz)
  target_link_libraries(fuzz_${name} PRIVATE ${ARG_LIBRARIES})
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  add_dependencies(zeb_fuzzers fuzz_${name})
endfunction()
