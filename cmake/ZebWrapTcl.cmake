# zeb_wrap_tcl_init(<library> <list file>)
#
# Makes <library> a Tcl package: runs zebWrapTclInit (Zeb::zebWrapTclInit, the
# tree's own or the installed one) on the list file (relative to the current
# source directory) to write <library>Init.cxx, compiles it into the library
# and builds the library against Tcl 8.6 (ZebTcl::Tcl). The library must be a
# shared library, which Tcl's load command opens directly.
find_package(TCL REQUIRED)

# Tcl as a target, so that Tcl packages carry it in their usage requirements
# and the installed ones find it again on the consumer's machine.
if(NOT TARGET ZebTcl::Tcl)
  add_library(ZebTcl::Tcl INTERFACE IMPORTED)
  set_target_properties(ZebTcl::Tcl PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${TCL_INCLUDE_PATH}"
    INTERFACE_LINK_LIBRARIES "${TCL_LIBRARY}")
endif()

function(zeb_wrap_tcl_init library list_file)
  get_filename_component(list_path ${list_file} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  set(init_source ${CMAKE_CURRENT_BINARY_DIR}/${library}Init.cxx)
  add_custom_command(
    OUTPUT ${init_source}
    COMMAND Zeb::zebWrapTclInit ${list_path} ${init_source}
    DEPENDS ${list_path} Zeb::zebWrapTclInit
    COMMENT "Generating the Tcl package init of ${library}"
    VERBATIM)
  target_sources(${library} PRIVATE ${init_source})
  target_link_libraries(${library} PUBLIC ZebTcl::Tcl)
endfunction()
