# zeb_install_module(TARGETS <target>... [HEADERS <header>...])
#
# Installs a module built with the kit's functions, each target where its
# kind belongs under the prefix:
# - a Tcl package (zeb_wrap_tcl_init): the library into the library folder,
#   its pkgIndex.tcl into <library folder>/<target>/, so that
#   "package require" finds it once auto_path holds the library folder;
# - a Python module (zeb_wrap_python_init): into ZEB_INSTALL_PYTHONDIR, a
#   site-packages folder, where python3 imports it once sys.path holds it;
# - any other library into the library folder, a program into bin/.
# The HEADERS go to the include folder. Installed libraries find the module's
# own libraries through $ORIGIN and the kit's where the build found them.
include(GNUInstallDirs)

function(zeb_install_module)
  cmake_parse_arguments(ARG "" "" "TARGETS;HEADERS" ${ARGN})
  foreach(target IN LISTS ARG_TARGETS)
    get_target_property(python_module ${target} ZEB_PYTHON_MODULE)
    get_target_property(package_index ${target} ZEB_TCL_PACKAGE_INDEX)
    set(destination ${CMAKE_INSTALL_LIBDIR})
    if(python_module)
      set(destination ${ZEB_INSTALL_PYTHONDIR})
    endif()
    cmake_path(ABSOLUTE_PATH destination BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX}
      OUTPUT_VARIABLE from)
    cmake_path(ABSOLUTE_PATH CMAKE_INSTALL_LIBDIR BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX}
      OUTPUT_VARIABLE libraries)
    file(RELATIVE_PATH to_libraries ${from} ${libraries})
    set_target_properties(${target} PROPERTIES
      INSTALL_RPATH "$ORIGIN/${to_libraries}" INSTALL_RPATH_USE_LINK_PATH ON)
    install(TARGETS ${target}
      RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
      LIBRARY DESTINATION ${destination}
      ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
    if(package_index)
      install(FILES ${package_index} DESTINATION ${CMAKE_INSTALL_LIBDIR}/${target})
    endif()
  endforeach()
  if(ARG_HEADERS)
    install(FILES ${ARG_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  endif()
endfunction()
