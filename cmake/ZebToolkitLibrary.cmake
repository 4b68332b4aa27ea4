# zeb_toolkit_library(<module> SOURCES <src>... [LIBRARIES <lib>...])
#
# Builds one stand-in toolkit module as the shared library
# <module>-ob<major>.<minor> (<module>-ob4.3), also known as Zeb::<module>.
# The module's folder is its public include
# directory in the build; the install puts the library in the library folder
# (component runtime), finding its neighbours through an $ORIGIN run path,
# and the folder's headers in the kit's include folder. On Windows the DLL
# goes to the program folder (runtime) and its import library to the library
# folder. An install under /usr is the system's: the loader finds the
# libraries there, and they keep no run path, as Debian's policy wants.
include(ZebInstallDirs)
include(ZebSystemRunPath)

function(zeb_toolkit_library module)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  if(ARG_UNPARSED_ARGUMENTS)
    list(JOIN ARG_UNPARSED_ARGUMENTS " " unplaced)
    message(FATAL_ERROR "zeb_toolkit_library(${module}): cannot place the arguments "
      "${unplaced}: its keywords are SOURCES and LIBRARIES")
  endif()
  add_library(${module} SHARED ${ARG_SOURCES})
  add_library(Zeb::${module} ALIAS ${module})
  set_target_properties(${module} PROPERTIES OUTPUT_NAME ${module}-ob${ZEB_MAJOR_MINOR}
    INSTALL_RPATH "$ORIGIN")
  target_include_directories(${module} PUBLIC $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}>)
  if(ARG_LIBRARIES)
    target_link_libraries(${module} PUBLIC ${ARG_LIBRARIES})
  endif()
  # A shared library names the libraries it takes symbols from, libc too: a
  # module whose only libc symbol is the weak __cxa_finalize of its static
  # destructors would lose it to the --as-needed of Debian's GCC.
  if(CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
    target_link_options(${module} PRIVATE LINKER:--push-state,--no-as-needed,-lc,--pop-state)
  endif()
  # A module's interface is all of it, as on ELF systems: MinGW's automatic
  # export would stop at the first object that marks an export of its own
  # (the Tcl packages' entry points).
  if(MINGW)
    target_link_options(${module} PRIVATE LINKER:--export-all-symbols)
  endif()
  install(TARGETS ${module} EXPORT ZebTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    INCLUDES DESTINATION ${ZEB_INSTALL_INCLUDEDIR})
  zeb_install_without_system_run_path(${module} ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  install(FILES ${headers} DESTINATION ${ZEB_INSTALL_INCLUDEDIR})
endfunction()
