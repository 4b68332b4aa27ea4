# The generators that the build runs, Zeb::zebWrapTclInit and
# Zeb::zebWrapPythonInit, as code generators of large toolkits are handled:
#
# - A native build runs its own, and exports them as the CMake package
#   ZebHostTools in its build folder (ZebHostToolsConfig.cmake), for cross
#   builds of the same tree.
# - A cross build cannot run its own programs while it builds (CMake starts
#   a custom command's program without the emulator). It runs those of a
#   native build: the one ZebHostTools_DIR names (a native build folder of
#   this tree, e.g. build/default), or else one it makes itself in
#   <build>/host-tools, configured with ZEB_HOST_TOOLS_ONLY and built
#   before the first generated source.
#
# The cross build's own generators are still built and tested.
set(zeb_host_tools zebWrapTclInit zebWrapPythonInit)

if(NOT CMAKE_CROSSCOMPILING)
  foreach(tool IN LISTS zeb_host_tools)
    add_executable(Zeb::${tool} ALIAS ${tool})
  endforeach()
  export(TARGETS ${zeb_host_tools} NAMESPACE ZebHost::
    FILE ${CMAKE_BINARY_DIR}/ZebHostToolsConfig.cmake)
  return()
endif()
# Only the Tcl packages and the Python modules are generated.
if(NOT ZEB_WITH_TCL AND NOT ZEB_WITH_PYTHON)
  return()
endif()

if(ZebHostTools_DIR)
  # A build folder of another machine's programs: looked up as given, not
  # below the cross build's root paths.
  find_package(ZebHostTools REQUIRED CONFIG GLOBAL NO_CMAKE_FIND_ROOT_PATH)
else()
  include(ExternalProject)
  set(folder ${CMAKE_BINARY_DIR}/host-tools)
  set(programs "")
  foreach(tool IN LISTS zeb_host_tools)
    list(APPEND programs ${folder}/bin/${tool}${CMAKE_HOST_EXECUTABLE_SUFFIX})
  endforeach()
  # The host's own compiler and generator; the cross build's toolchain
  # stays out (ExternalProject passes no toolchain file).
  ExternalProject_Add(zebHostTools
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${folder}
    CMAKE_ARGS -DZEB_HOST_TOOLS_ONLY=ON -DCMAKE_BUILD_TYPE=Release
    BUILD_COMMAND ${CMAKE_COMMAND} --build ${folder} --parallel 2
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${programs}
    INSTALL_COMMAND "")
  foreach(tool IN LISTS zeb_host_tools)
    add_executable(ZebHost::${tool} IMPORTED GLOBAL)
    set_target_properties(ZebHost::${tool} PROPERTIES
      IMPORTED_LOCATION ${folder}/bin/${tool}${CMAKE_HOST_EXECUTABLE_SUFFIX})
    add_dependencies(ZebHost::${tool} zebHostTools)
  endforeach()
endif()
foreach(tool IN LISTS zeb_host_tools)
  add_executable(Zeb::${tool} ALIAS ZebHost::${tool})
endforeach()
