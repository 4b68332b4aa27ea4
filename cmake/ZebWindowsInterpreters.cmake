# Tcl and Python for a Windows cross build. No Windows Tcl or Python is on
# this machine, so the Tcl packages and Python modules are compiled against
# Debian's headers (Python's with windows/pyconfig.h, which describes a
# 64-bit Windows Python, in place of Debian's) and linked against import
# libraries made from windows/tcl86t.def and windows/python3.def, the calls
# they make: ZebWrapTcl gets the target ZebTcl::Tcl, ZebWrapPython's
# FindPython3 the headers and the library it looks for. The packages and
# modules are built, and their export tables checked, but never loaded.
set(folder ${CMAKE_BINARY_DIR}/windows-interpreters)
file(MAKE_DIRECTORY ${folder})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/windows/tcl86t.def ${CMAKE_CURRENT_LIST_DIR}/windows/python3.def
  ${CMAKE_CURRENT_LIST_DIR}/windows/pyconfig.h)

if(ZEB_WITH_TCL)
  execute_process(COMMAND ${CMAKE_DLLTOOL} -d ${CMAKE_CURRENT_LIST_DIR}/windows/tcl86t.def
    -l ${folder}/libtcl86t.a RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "The import library of Tcl could not be made")
  endif()
  add_library(ZebTcl::Tcl INTERFACE IMPORTED)
  set_target_properties(ZebTcl::Tcl PROPERTIES INTERFACE_INCLUDE_DIRECTORIES /usr/include/tcl8.6
    INTERFACE_LINK_LIBRARIES ${folder}/libtcl86t.a)
endif()

if(ZEB_WITH_PYTHON)
  # The headers of the system's Python 3, the one the native build uses.
  execute_process(COMMAND /usr/bin/python3 -c
      "import sys, sysconfig; print(sysconfig.get_paths()['include']); print('%d%d' % sys.version_info[:2])"
    OUTPUT_VARIABLE python OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "/usr/bin/python3 did not give its headers' folder")
  endif()
  string(REPLACE "\n" ";" python "${python}")
  list(GET python 0 headers)
  list(GET python 1 version)
  file(COPY ${headers}/ DESTINATION ${folder}/python
    PATTERN pyconfig.h EXCLUDE PATTERN numpy EXCLUDE)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/pyconfig.h ${folder}/python/pyconfig.h COPYONLY)
  execute_process(COMMAND ${CMAKE_DLLTOOL} -d ${CMAKE_CURRENT_LIST_DIR}/windows/python3.def
    -D python${version}.dll -l ${folder}/libpython${version}.a RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "The import library of Python could not be made")
  endif()
  set(Python3_INCLUDE_DIR ${folder}/python CACHE PATH "Python's headers")
  set(Python3_LIBRARY ${folder}/libpython${version}.a CACHE FILEPATH "Python's import library")
endif()
