# Python wrapping of toolkit libraries.
#
# The wrapped modules are built for the Python 3 that the project found
# before (find_package(Python3) with Interpreter and Development.Module; the
# project chooses it, e.g. with Python3_EXECUTABLE), or else the one
# find_package(Python3) finds here. libpython of the same version is needed
# too, for the link check below. A cross build runs no interpreter of its
# target and makes no link check: it looks for the module's development
# files alone.
if(CMAKE_CROSSCOMPILING)
  set(zeb_python_components Development.Module)
else()
  set(zeb_python_components Interpreter Development.Module)
endif()
if(NOT TARGET Python3::Module)
  find_package(Python3 REQUIRED COMPONENTS ${zeb_python_components})
endif()
if(NOT CMAKE_CROSSCOMPILING)
  find_package(Python3 ${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR} EXACT REQUIRED
    COMPONENTS Interpreter Development.Module Development.Embed)
endif()

# Where zeb_install_module puts the Python modules, relative to the prefix.
set(ZEB_INSTALL_PYTHONDIR lib/python${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR}/site-packages
  CACHE PATH "Where the Python modules are installed, relative to the install prefix")

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
# fails the build, naming PyZEBAddFile_<name>.
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
  set_target_properties(${module} PROPERTIES CXX_VISIBILITY_PRESET hidden ZEB_PYTHON_MODULE ON)

  if(NOT APPLE AND NOT WIN32 AND NOT CMAKE_CROSSCOMPILING)
    set(check ${module}_link_check)
    add_library(${check} SHARED $<TARGET_OBJECTS:${module}>)
    target_link_libraries(${check} PRIVATE $<TARGET_PROPERTY:${module},LINK_LIBRARIES>
      Python3::Python)
    target_link_options(${check} PRIVATE LINKER:--no-undefined)
    set_target_properties(${check} PROPERTIES
      LIBRARY_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/link_check)
  endif()
endfunction()
