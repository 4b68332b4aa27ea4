# zeb_wrap_tcl_init(<library> <list file>)
#
# Makes <library> a Tcl package: runs zebWrapTclInit (Zeb::zebWrapTclInit, the
# tree's own or the installed one) on the list file (relative to the current
# source directory) to write <library>Init.cxx, compiles it into the library
# and builds the library against Tcl 8.6 (ZebTcl::Tcl). The library must be a
# shared library, which Tcl's load command opens directly.
#
# The library links with no undefined symbol allowed, so a name in the list
# whose <name>_TclCreate is missing (or declared with another signature or C
# linkage: see ZEB_TCL_CREATOR in zebTclUtil.h) fails the build, naming it.
#
# It also writes <library>/pkgIndex.tcl in the current binary directory: the
# package's index as zeb_install_module installs it, in a folder of its own
# beside the library, so that "package require <package>" finds it from an
# auto_path holding that library folder. The package's name and version are
# the list file's (its first token, and VERSION or the toolkit's
# <major>.<minor>, ZEB_MAJOR_MINOR).

# Tcl as a target, so that Tcl packages carry it in their usage requirements
# and the installed ones find it again on the consumer's machine. A build
# that defines the target first (a cross build) keeps its own.
if(NOT TARGET ZebTcl::Tcl)
  find_package(TCL REQUIRED)
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
  if(NOT APPLE AND NOT WIN32)
    target_link_options(${library} PRIVATE LINKER:--no-undefined)
  endif()
  zeb_write_tcl_package_index(${library} ${list_path})
endfunction()

# Writes <library>/pkgIndex.tcl from the package name and version in the list
# file, read with the generator's rules (tokens split at whitespace, VERSION
# followed by its value, the last one counting).
function(zeb_write_tcl_package_index library list_path)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${list_path})
  file(READ ${list_path} text)
  string(ASCII 11 12 vertical_tab_form_feed)
  string(REGEX MATCHALL "[^ \t\r\n${vertical_tab_form_feed}]+" tokens "${text}")
  list(POP_FRONT tokens package)
  set(version "")
  set(keyword "")
  foreach(token IN LISTS tokens)
    if(keyword STREQUAL "VERSION")
      set(version ${token})
    endif()
    if(keyword STREQUAL "" AND token MATCHES "^(COMMAND|VERSION)$")
      set(keyword ${token})
    else()
      set(keyword "")
    endif()
  endforeach()
  if(version STREQUAL "")
    set(version ${ZEB_MAJOR_MINOR})
  endif()
  # Tcl's load derives the init procedure <Package>_Init from the name given.
  file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${library}/pkgIndex.tcl CONTENT
    "package ifneeded ${package} ${version} [list load [file join $dir .. $<TARGET_FILE_NAME:${library}>] ${package}]\n")
  set_target_properties(${library} PROPERTIES
    ZEB_TCL_PACKAGE_INDEX ${CMAKE_CURRENT_BINARY_DIR}/${library}/pkgIndex.tcl)
endfunction()
