# zeb_wrap_tcl_init(<library> <list file>)
#
# Makes <library> a Tcl package: runs zebWrapTclInit (Zeb::zebWrapTclInit, the
# tree's own or the installed one) on the list file (relative to the current
# source directory) to write <library>Init.cxx, compiles it into the library
# and builds the library against Tcl 8.6 (ZebTcl::Tcl). The library must be a
# shared library, which Tcl's load command opens directly. The package's name
# and version are the list file's (its first token, and VERSION or the
# toolkit's <major>.<minor>, ZEB_MAJOR_MINOR); zeb_install_tcl_package_index
# installs its index.
#
# The library links with no undefined symbol allowed, so a name in the list
# whose <name>_TclCreate is missing (or declared with another signature or C
# linkage: see ZEB_TCL_CREATOR in zebTclUtil.h) fails the build, naming it. A
# creator that the library defines but the list does not name gives a
# warning (zeb_check_wrap_list).
#
# The function works where zeb_use_tcl_wrapping() ran, in the folder or a
# parent (the installed package runs it for the component TclWrapping, this
# tree for ZEB_WITH_TCL); elsewhere it fails, naming the component to add.
include(${CMAKE_CURRENT_LIST_DIR}/ZebWrapList.cmake)

# Finds Tcl 8.6 and makes it the target ZebTcl::Tcl, so that Tcl packages
# carry it in their usage requirements and the installed ones find it again
# on the consumer's machine.
# FindTCL wants Tk's files too when REQUIRED; the packages need Tcl alone.
macro(zeb_use_tcl_wrapping)
  # A build that defines the target first (a Windows cross build) keeps its own.
  if(NOT TARGET ZebTcl::Tcl)
    find_package(TCL)
    if(NOT TCL_FOUND)
      message(FATAL_ERROR "Tcl 8.6's development files (tcl.h and the Tcl library, in "
        "Debian's tcl-dev) were not found")
    endif()
    add_library(ZebTcl::Tcl INTERFACE IMPORTED)
    set_target_properties(ZebTcl::Tcl PROPERTIES
      INTERFACE_INCLUDE_DIRECTORIES "${TCL_INCLUDE_PATH}"
      INTERFACE_LINK_LIBRARIES "${TCL_LIBRARY}")
  endif()
  set(ZEB_TCL_WRAPPING ON)
endmacro()

function(zeb_wrap_tcl_init library list_file)
  if(ARGN)
    list(JOIN ARGN " " unplaced)
    message(FATAL_ERROR "zeb_wrap_tcl_init(${library}): cannot place the arguments "
      "${unplaced}: it takes the library and its list file only (the list file holds the "
      "version)")
  endif()
  if(NOT ZEB_TCL_WRAPPING)
    message(FATAL_ERROR "zeb_wrap_tcl_init(${library}): add TclWrapping to the COMPONENTS of "
      "find_package(Zeb) (in this folder or a parent) to wrap libraries for Tcl")
  endif()
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

  # The package's name and version, read with the generator's rules.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${list_path})
  zeb_read_wrap_list(${list_path} list)
  if(list_VERSION STREQUAL "")
    set(list_VERSION ${ZEB_MAJOR_MINOR})
  endif()
  set_target_properties(${library} PROPERTIES
    ZEB_TCL_PACKAGE ${list_NAME} ZEB_TCL_PACKAGE_VERSION ${list_VERSION})
  zeb_check_wrap_list(${library} tcl ${list_path})
endfunction()

# zeb_install_tcl_package_index(<library> <index folder> [<install option>...])
#
# Installs the index of the Tcl package <library>, <index folder>/<library>/pkgIndex.tcl
# (relative to the install prefix, or absolute), which loads the library from
# where install(TARGETS) puts it: the library folder (CMAKE_INSTALL_LIBDIR),
# or on Windows, where a DLL is a program's runtime file, the program folder
# (CMAKE_INSTALL_BINDIR). "package require <package>" then finds it once
# auto_path holds <index folder>. The options go to install(FILES), e.g.
# COMPONENT <component>.
function(zeb_install_tcl_package_index library index_folder)
  get_target_property(package ${library} ZEB_TCL_PACKAGE)
  get_target_property(version ${library} ZEB_TCL_PACKAGE_VERSION)
  set(library_folder ${CMAKE_INSTALL_LIBDIR})
  if(WIN32)
    set(library_folder ${CMAKE_INSTALL_BINDIR})
  endif()
  foreach(folder index_folder library_folder)
    cmake_path(ABSOLUTE_PATH ${folder} BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX}
      OUTPUT_VARIABLE ${folder}_path)
  endforeach()
  file(RELATIVE_PATH to_library ${index_folder_path}/${library} ${library_folder_path})
  # Tcl's load derives the init procedure <Package>_Init from the name given.
  set(index ${CMAKE_CURRENT_BINARY_DIR}/${library}Index/pkgIndex.tcl)
  file(GENERATE OUTPUT ${index} CONTENT "package ifneeded ${package} ${version} \
[list load [file join $dir ${to_library} $<TARGET_FILE_NAME:${library}>] ${package}]\n")
  install(FILES ${index} DESTINATION ${index_folder}/${library} ${ARGN})
endfunction()
