# Python wrapping of toolkit libraries.
#
# zeb_wrap_python_init(<module target> <list file>)
#
# Runs zebWrapPythonInit (Zeb::zebWrapPythonInit, the tree's own or the
# installed one) on the list file (its first token the module name,
# then the names of the wrapped files, separated by any whitespace) and
# compiles the two generated sources, <module>Init.cxx (the entry point
# init<module>) and <module>InitImpl.cxx (the module builder), into the
# Python extension module <module target>. The target defines Python 3's
# PyInit_<module> and a PyZEBAddFile_<name> function for every listed name
# (ZEB_PYTHON_MODULE and ZEB_PYTHON_FILE_ENTRY in zebPython.h).
#
# A module leaves Python's own symbols to the interpreter that loads it, so
# its link cannot refuse undefined symbols. <module target>_link_check, a
# library of the same objects linked against libpython with none allowed, is
# built with the module (in "all"): a name in the list without its entry
# fails the build, naming PyZEBAddFile_<name>. A list whose module name is
# not the name Python imports the target's file under fails the build too,
# and a file entry that the module defines but the list does not name gives
# a warning (zeb_check_wrap_list).
#
# The function works where zeb_use_python_wrapping() ran, in the folder or a
# parent (the installed package runs it for the component PythonWrapping,
# this tree for ZEB_WITH_PYTHON); elsewhere it fails, naming the component to
# add.
include(${CMAKE_CURRENT_LIST_DIR}/ZebWrapList.cmake)

# Finds the Python 3 that the wrapped modules are built for: the one the
# project found before (find_package(Python3) with Interpreter and
# Development.Module; the project chooses it, e.g. with Python3_EXECUTABLE),
# or else the one find_package(Python3) finds here. libpython of the same
# version is needed too, for the link check. A cross build cannot run its
# target's interpreter: FindPython reads the target's Python from its config
# tool (e.g. Debian's aarch64-linux-gnu-python3.11-config).
macro(zeb_use_python_wrapping)
  if(CMAKE_CROSSCOMPILING)
    set(zeb_python_interpreter "")
  else()
    set(zeb_python_interpreter Interpreter)
  endif()
  if(NOT TARGET Python3::Module)
    find_package(Python3 REQUIRED COMPONENTS ${zeb_python_interpreter} Development.Module)
  endif()
  # libpython for the link check; a Windows module is not checked so.
  if(NOT WIN32)
    find_package(Python3 ${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR} EXACT REQUIRED
      COMPONENTS ${zeb_python_interpreter} Development.Module Development.Embed)
  endif()
  set(ZEB_PYTHON_WRAPPING ON)
endmacro()

function(zeb_wrap_python_init module list_file)
  if(ARGN)
    list(JOIN ARGN " " unplaced)
    message(FATAL_ERROR "zeb_wrap_python_init(${module}): cannot place the arguments "
      "${unplaced}: it takes the module target and its list file only (the list file "
      "names the wrapped files)")
  endif()
  if(NOT ZEB_PYTHON_WRAPPING)
    message(FATAL_ERROR "zeb_wrap_python_init(${module}): add PythonWrapping to the "
      "COMPONENTS of find_package(Zeb) (in this folder or a parent) to wrap libraries for "
      "Python")
  endif()
  get_filename_component(list_path ${list_file} ABSOLUTE)
  set(init_file ${CMAKE_CURRENT_BINARY_DIR}/${module}Init.cxx)
  set(impl_file ${CMAKE_CURRENT_BINARY_DIR}/${module}InitImpl.cxx)
  add_custom_command(
    OUTPUT ${init_file} ${impl_file}
    COMMAND Zeb::zebWrapPythonInit ${list_path} ${init_file} ${impl_file}
    DEPENDS ${list_path} Zeb::zebWrapPythonInit
    COMMENT "Generating the Python module init sources of ${module}"
    VERBATIM)
  target_sources(${module} PRIVATE ${init_file} ${impl_file})
  target_link_libraries(${module} PRIVATE Zeb::zebPython)
  set_target_properties(${module} PROPERTIES CXX_VISIBILITY_PRESET hidden ZEB_PYTHON_MODULE ON)
  zeb_check_wrap_list(${module} python ${list_path})

  if(NOT APPLE AND NOT WIN32)
    set(check ${module}_link_check)
    add_library(${check} SHARED $<TARGET_OBJECTS:${module}>)
    target_link_libraries(${check} PRIVATE $<TARGET_PROPERTY:${module},LINK_LIBRARIES>
      Python3::Python)
    target_link_options(${check} PRIVATE LINKER:--no-undefined)
    set_target_properties(${check} PROPERTIES
      LIBRARY_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/link_check)
  endif()
endfunction()
