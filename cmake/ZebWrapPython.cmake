# Python wrapping of toolkit libraries.
#
# The wrapped modules are built for, and tested with, one deliberately chosen
# installation: the system's /usr/bin/python3 with its own headers, unless
# Python3_EXECUTABLE names another interpreter.
if(NOT DEFINED Python3_EXECUTABLE AND EXISTS /usr/bin/python3)
  set(Python3_EXECUTABLE /usr/bin/python3 CACHE FILEPATH
    "The Python interpreter the wrapped modules are built for")
endif()
find_package(Python3 REQUIRED COMPONENTS Interpreter Development.Module)

# zeb_wrap_python_init(<module target> <list file>)
#
# Runs zebWrapPythonInit (Zeb::zebWrapPythonInit, the tree's own or the
# installed one) on the list file (its first token the module name,
# then the names of the wrapped files, separated by any whitespace) and
# compiles the two generated sources, <module>Init.cxx (the entry point
# init<module>) and <module>InitImpl.cxx (the module builder), into the
# Python extension module <module target>. The target defines Python 3's
# PyInit_<module> and a PyZEBAddFile_<name> function for every listed name.
function(zeb_wrap_python_init module list_file)
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
  set_target_properties(${module} PROPERTIES CXX_VISIBILITY_PRESET hidden)
endfunction()
