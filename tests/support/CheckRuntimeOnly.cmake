# cmake -DPROGRAM=<file> [-DOBJDUMP=<objdump>] -P CheckRuntimeOnly.cmake
#
# Fails, naming each other one, unless the program's dynamic dependencies
# are only the C and C++ runtime libraries and their loader (and, in
# sanitized builds, the sanitizer runtimes): read with readelf from an ELF
# file. A Windows program, read with the given objdump, may depend only on
# Windows' own DLLs (the C runtime, msvcrt or the UCRT, among them): a DLL
# of the compiler's runtime would be missing wherever the program is copied
# alone.
if(PROGRAM MATCHES "\\.exe$")
  execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dynamic RESULT_VARIABLE status)
  set(entry_pattern "DLL Name: ([^\n]+)")
  set(runtime "^(kernel32|msvcrt|ucrtbase|api-ms-win-[a-z0-9-]+)\\.dll$")
else()
  execute_process(COMMAND readelf --dynamic ${PROGRAM} OUTPUT_VARIABLE dynamic RESULT_VARIABLE status)
  set(entry_pattern "Shared library: \\[([^]]+)\\]")
  # The C runtime's loader is named where a program takes a symbol from it
  # (on ARM64 the stack protector's guard value).
  set(runtime "^(libc|libm|libstdc\\+\\+|libgcc_s|libasan|libubsan|ld-linux[-a-z0-9_]*)\\.so")
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the dependencies of ${PROGRAM} could not be read")
endif()
string(REGEX MATCHALL "${entry_pattern}" needed "${dynamic}")
if(NOT needed)
  message(FATAL_ERROR "${PROGRAM} names no shared library at all")
endif()
foreach(entry IN LISTS needed)
  string(REGEX REPLACE "${entry_pattern}" "\\1" library "${entry}")
  string(TOLOWER "${library}" name)
  if(name MATCHES "${runtime}")
    message(STATUS "needs ${library}")
  else()
    message(SEND_ERROR "needs ${library}, beyond the runtime libraries")
  endif()
endforeach()
