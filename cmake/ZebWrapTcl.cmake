# zeb_wrap_tcl_init(<library> <list file>)
#
# Makes <library> a Tcl package: runs zebWrapTclInit on the list file (relative
# to the current source directory) to write <library>Init.cxx, compiles it
# into the library and builds the library against Tcl 8.6. The library must
# be a shared library, which Tcl's load command opens directly.
find_package(TCL REQUIRED)

function(zeb_wrap_tcl_init library list_file)
  get_filename_component(list_path ${list_file} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  set(init_source ${CMAKE_CURRENT_BINARY_DIR}/${library}Init.cxx)
  add_custom_command(
    OUTPUT ${init_source}
    COMMAND zebWrapTclInit ${list_path} ${init_source}
    DEPENDS ${list_path} zebWrapTclInit
    COMMENT "Generating the Tcl package init of ${library}"
    VERBATIM)
  target_sources(${library} PRIVATE ${init_source})
  target_include_directories(${library} PUBLIC ${TCL_INCLUDE_PATH})
  target_link_libraries(${library} PUBLIC ${TCL_LIBRARY})
endfunction()
