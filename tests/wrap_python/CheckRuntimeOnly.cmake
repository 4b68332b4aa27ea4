# cmake -DPROGRAM=<file> -P CheckRuntimeOnly.cmake
#
# Fails unless the program's dynamic dependencies are only the C and C++
# runtime libraries (and, in sanitized builds, the sanitizer runtimes).
execute_process(COMMAND readelf --dynamic ${PROGRAM}
  OUTPUT_VARIABLE dynamic RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "readelf could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "Shared library: \\[[^]]+\\]" needed "${dynamic}")
if(NOT needed)
  message(FATAL_ERROR "${PROGRAM} names no shared library at all")
endif()
foreach(entry IN LISTS needed)
  string(REGEX REPLACE "Shared library: \\[([^]]+)\\]" "\\1" library "${entry}")
  if(NOT library MATCHES "^(libc|libm|libstdc\\+\\+|libgcc_s|libasan|libubsan)\\.so")
    message(FATAL_ERROR "${PROGRAM} depends on ${library}")
  endif()
  message(STATUS "needs ${library}")
endforeach()
