# The check of a wrapping list against the target built from it, run before
# the target links (zeb_check_wrap_list in ZebWrapList.cmake):
#   cmake -DKIND=tcl|python -DTARGET=<target> -DLIST=<list file>
#         -DFILE_NAME=<the target's file name> -DOBJECTS=<its object files>
#         [-DNM=<nm>] -P ZebWrapCheck.cmake
# - A Python module: Python imports a module file under its name up to the
#   first dot and calls PyInit_<that name>, which ZEB_PYTHON_MODULE(<list's
#   module name>) defines; another name fails here instead of at the import.
# - Both: every creator (<name>_TclCreate) or file entry (PyZEBAddFile_<name>)
#   that the objects define but the list does not name is never called: a
#   warning names it and the list. Without nm there is no such warning.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/ZebWrapList.cmake)
zeb_read_wrap_list(${LIST} list)
get_filename_component(list_file ${LIST} NAME)

if(KIND STREQUAL "python")
  string(REGEX REPLACE "\\..*" "" import_name "${FILE_NAME}")
  if(NOT import_name STREQUAL list_NAME)
    message(FATAL_ERROR "zeb_wrap_python_init(${TARGET}): the target builds ${FILE_NAME} "
      "and Python imports it as ${import_name}, but ${list_file} names the module "
      "${list_NAME}, so the import would find no PyInit_${import_name}. Name the module "
      "${import_name} in the list and in ZEB_PYTHON_MODULE, or give the target the output "
      "name ${list_NAME}.")
  endif()
  set(listed ${list_ENTRIES})
  # The generator adds this entry to the core module's list itself.
  if(list_NAME STREQUAL "zebCommonCorePython")
    list(APPEND listed mutable)
  endif()
  set(symbol "^[0-9a-fA-F]* [A-Za-z] PyZEBAddFile_([A-Za-z0-9_]+)$")
  set(function_prefix PyZEBAddFile_)
  set(function_suffix "")
  set(never "the module never adds it")
else()
  set(listed ${list_CREATORS})
  set(symbol "^[0-9a-fA-F]* [A-Za-z] ([A-Za-z0-9_]+)_TclCreate\\(Tcl_Interp\\*\\)$")
  set(function_prefix "")
  set(function_suffix _TclCreate)
  set(never "the package never calls it")
endif()

if(NOT NM)
  return()
endif()
execute_process(COMMAND ${NM} --defined-only -C ${OBJECTS}
  OUTPUT_VARIABLE symbols RESULT_VARIABLE status ERROR_QUIET)
if(NOT status EQUAL 0)
  return()
endif()
string(REPLACE "\n" ";" symbols "${symbols}")
set(defined "")
foreach(line IN LISTS symbols)
  if(line MATCHES "${symbol}")
    list(APPEND defined ${CMAKE_MATCH_1})
  endif()
endforeach()
list(REMOVE_DUPLICATES defined)
foreach(name IN LISTS defined)
  if(NOT name IN_LIST listed)
    set(function ${function_prefix}${name}${function_suffix})
    message(WARNING "${TARGET} defines ${function}, but its list ${list_file} does not name "
      "${name}, so ${never}: add ${name} to the list, or remove ${function}.")
  endif()
endforeach()
