# cmake -DLIBRARY=<file> -DNAMES=<name>[;<name>...] -DOBJDUMP=<objdump> -DNM=<nm>
#       -P CheckExports.cmake
#
# Fails, naming each one, unless the shared library or module exports every
# name given: read from the export table of a Windows DLL with objdump, from
# the dynamic symbol table of an ELF file with nm.
cmake_minimum_required(VERSION 3.25)
if(LIBRARY MATCHES "\\.(dll|pyd)$")
  execute_process(COMMAND ${OBJDUMP} -p ${LIBRARY} OUTPUT_VARIABLE table RESULT_VARIABLE status)
  # The names follow the heading of the name table, one a line: "[   0] <name>".
  string(FIND "${table}" "[Ordinal/Name Pointer] Table" start)
  if(start EQUAL -1)
    set(table "")
  endif()
  string(SUBSTRING "${table}" ${start} -1 table)
  set(entry_pattern "\\[ *[0-9]+\\] ([^\n]+)")
else()
  execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY} OUTPUT_VARIABLE table
    RESULT_VARIABLE status)
  set(entry_pattern "[0-9a-f]+ [A-Za-z] ([^\n]+)")
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the exports of ${LIBRARY} could not be read")
endif()
string(REGEX MATCHALL "${entry_pattern}" entries "${table}")
set(exported "")
foreach(entry IN LISTS entries)
  string(REGEX REPLACE "${entry_pattern}" "\\1" name "${entry}")
  list(APPEND exported ${name})
endforeach()
foreach(name IN LISTS NAMES)
  if(name IN_LIST exported)
    message(STATUS "exports ${name}")
  else()
    message(SEND_ERROR "does not export ${name}")
  endif()
endforeach()
