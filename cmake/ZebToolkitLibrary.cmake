# zeb_toolkit_library(<module> SOURCES <src>... [LIBRARIES <lib>...])
#
# Builds one stand-in toolkit module as the shared library
# <module>-ob<major>.<minor> (<module>-ob4.3), also known as Zeb::<module>.
# The module's folder is its public include
# directory in the build; the install puts the library in the library folder
# (finding its neighbours through an $ORIGIN run path) and the folder's
# headers in the kit's include folder.
include(ZebInstallDirs)

function(zeb_toolkit_library module)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_library(${module} SHARED ${ARG_SOURCES})
  add_library(Zeb::${module} ALIAS ${module})
  set_target_properties(${module} PROPERTIES OUTPUT_NAME ${module}-ob${ZEB_MAJOR_MINOR}
    INSTALL_RPATH "$ORIGIN")
  target_include_directories(${module} PUBLIC $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}>)
  if(ARG_LIBRARIES)
    target_link_libraries(${module} PUBLIC ${ARG_LIBRARIES})
  endif()
  # A module's interface is all of it, as on ELF systems: MinGW's automatic
  # export would stop at the first object that marks an export of its own
  # (the Tcl packages' entry points).
  if(MINGW)
    target_link_options(${module} PRIVATE LINKER:--export-all-symbols)
  endif()
  install(TARGETS ${module} EXPORT ZebTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    INCLUDES DESTINATION ${ZEB_INSTALL_INCLUDEDIR})
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  install(FILES ${headers} DESTINATION ${ZEB_INSTALL_INCLUDEDIR})
endfunction()
