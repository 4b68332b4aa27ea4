# zeb_toolkit_library(<module> SOURCES <src>... [LIBRARIES <lib>...])
#
# Builds one stand-in toolkit module as the shared library <module>-ob4.3.
# The module's folder is its public include directory.
function(zeb_toolkit_library module)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_library(${module} SHARED ${ARG_SOURCES})
  set_target_properties(${module} PROPERTIES OUTPUT_NAME ${module}-ob4.3)
  target_include_directories(${module} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  if(ARG_LIBRARIES)
    target_link_libraries(${module} PUBLIC ${ARG_LIBRARIES})
  endif()
endfunction()
