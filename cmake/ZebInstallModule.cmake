# zeb_install_module(TARGETS <target>... [HEADERS <header>...])
#
# Installs a module built with the kit's functions, each target where its
# kind belongs under the prefix:
# - a Tcl package (zeb_wrap_tcl_init): the library into the library folder,
#   its pkgIndex.tcl into <ZEB_INSTALL_TCLDIR>/<target>/, so that
#   "package require" finds it once auto_path holds ZEB_INSTALL_TCLDIR;
# - a Python module (zeb_wrap_python_init): into ZEB_INSTALL_PYTHONDIR, a
#   site-packages folder, where python3 imports it once sys.path holds it;
# - any other library into the library folder, a program into bin/.
# The HEADERS (relative to the current source folder) go to the include
# folder. Installed libraries find the module's own libraries through
# $ORIGIN and the kit's where the build found them; under /usr, where the
# loader finds them, they keep no run path.
#
# A target that does not exist, a header that is neither a file nor
# generated (a misspelled keyword lands among the headers) and arguments
# before the first keyword stop the configure, naming them.
#
# The folders are cache entries relative to the install prefix, as
# GNUInstallDirs' are (an absolute value is taken as it stands). Their
# defaults follow the system: a /usr install on Debian puts Tcl packages in
# lib/tcltk/<multiarch> and Python modules in lib/python3/dist-packages,
# where tclsh and python3 look; any other install the Tcl packages in the
# library folder and the Python modules in lib/python3.<minor>/site-packages.
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/ZebSystemRunPath.cmake)

# Declares the folder <variable>, relative to the install prefix, with its
# default. A value given on the command line without a type stays relative
# (cmake would otherwise make it absolute against the folder it started in).
function(zeb_declare_install_folder variable default description)
  if(NOT DEFINED CACHE{${variable}})
    set(${variable} ${default} CACHE PATH "${description}")
  else()
    get_property(type CACHE ${variable} PROPERTY TYPE)
    if(type STREQUAL "UNINITIALIZED")
      file(TO_CMAKE_PATH "${${variable}}" value)
      set_property(CACHE ${variable} PROPERTY TYPE PATH)
      set_property(CACHE ${variable} PROPERTY VALUE "${value}")
      set_property(CACHE ${variable} PROPERTY HELPSTRING "${description}")
    endif()
  endif()
endfunction()

set(_zeb_system_install OFF)
if(CMAKE_INSTALL_PREFIX MATCHES "^/usr/?$" AND CMAKE_LIBRARY_ARCHITECTURE)
  set(_zeb_system_install ON)
endif()
if(_zeb_system_install)
  set(_zeb_tcl_folder lib/tcltk/${CMAKE_LIBRARY_ARCHITECTURE})
else()
  set(_zeb_tcl_folder ${CMAKE_INSTALL_LIBDIR})
endif()
zeb_declare_install_folder(ZEB_INSTALL_TCLDIR ${_zeb_tcl_folder}
  "Where the Tcl packages' indexes are installed, relative to the install prefix")
if(ZEB_PYTHON_WRAPPING)
  if(_zeb_system_install)
    set(_zeb_python_folder lib/python3/dist-packages)
  else()
    set(_zeb_python_folder lib/python${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR}/site-packages)
  endif()
  zeb_declare_install_folder(ZEB_INSTALL_PYTHONDIR ${_zeb_python_folder}
    "Where the Python modules are installed, relative to the install prefix")
endif()

function(zeb_install_module)
  cmake_parse_arguments(ARG "" "" "TARGETS;HEADERS" ${ARGN})
  if(ARG_UNPARSED_ARGUMENTS)
    list(JOIN ARG_UNPARSED_ARGUMENTS " " unplaced)
    message(FATAL_ERROR "zeb_install_module: cannot place the arguments ${unplaced}: its "
      "keywords are TARGETS and HEADERS")
  endif()
  foreach(target IN LISTS ARG_TARGETS)
    if(NOT TARGET ${target})
      message(FATAL_ERROR "zeb_install_module: TARGETS names ${target}, which is not a target "
        "(zeb_install_module's keywords are TARGETS and HEADERS)")
    endif()
  endforeach()
  foreach(header IN LISTS ARG_HEADERS)
    get_filename_component(path ${header} ABSOLUTE)
    get_source_file_property(generated ${path} GENERATED)
    if(NOT EXISTS ${path} AND NOT generated)
      message(FATAL_ERROR "zeb_install_module: the header ${header} does not exist in "
        "${CMAKE_CURRENT_SOURCE_DIR} (zeb_install_module's keywords are TARGETS and HEADERS)")
    endif()
  endforeach()

  foreach(target IN LISTS ARG_TARGETS)
    get_target_property(python_module ${target} ZEB_PYTHON_MODULE)
    get_target_property(tcl_package ${target} ZEB_TCL_PACKAGE)
    get_target_property(type ${target} TYPE)
    set(destination ${CMAKE_INSTALL_LIBDIR})
    if(python_module)
      set(destination ${ZEB_INSTALL_PYTHONDIR})
    elseif(type STREQUAL "EXECUTABLE")
      set(destination ${CMAKE_INSTALL_BINDIR})
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
    if(type MATCHES "^(SHARED_LIBRARY|MODULE_LIBRARY|EXECUTABLE)$")
      zeb_install_without_system_run_path(${target} ${destination})
    endif()
    if(tcl_package)
      zeb_install_tcl_package_index(${target} ${ZEB_INSTALL_TCLDIR})
    endif()
  endforeach()
  if(ARG_HEADERS)
    install(FILES ${ARG_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
  endif()
endfunction()
