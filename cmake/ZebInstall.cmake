# The installable kit: what `cmake --install` puts under the prefix besides the
# toolkit modules (which zeb_toolkit_library installs), the CMake package that
# lets another project use it, and the packages cpack makes of it.
#
#   bin/                 zebWrapTclInit, zebWrapPythonInit, and with the rendering
#                        zebBaseline, the baseline tool of image tests
#   <libdir>/            lib<module>-ob4.3.so, libzebTestDriver.a, libzebTestDriverMain.a,
#                        libzebTestDataFile.a, libzebPython.a (<libdir> is
#                        lib/<multiarch triplet> on Debian)
#   <tcldir>/zebCommonCoreTcl/pkgIndex.tcl   the core Tcl package's index
#                        (<tcldir> is lib/tcltk/<multiarch triplet> on Debian)
#   include/zeb-4.3/     the modules' headers, the driver's registry header, the
#                        start-up registrations, the data file helper's header,
#                        the Tcl and Python glue headers
#   <libdir>/cmake/Zeb/  ZebConfig.cmake and its version file, ZebTargets*.cmake,
#                        the functions and the driver's registry and start-up
#                        templates
#   share/doc/libzeb-dev/, share/doc/libzeb-ob4.3/
#                        the kit's README (in the first), the copyright and the
#                        changelog (in both)
#
# Nothing installed names the build or source folder, or a versioned system
# library by its path: libraries find each other through $ORIGIN (or the
# loader's path, under /usr), the package through its own location, the
# Exodus reader its library by soname. The runtime component is the shared
# libraries, the core Tcl package's index and their documents; the rest is
# the development component (ZebInstallDirs.cmake).
include(ZebInstallDirs)
include(CMakePackageConfigHelpers)

# The driver under the names the installed package gives it, so that the
# functions use one name in the tree and outside it (the generators':
# ZebHostTools.cmake).
add_library(Zeb::zebTestDriver ALIAS zebTestDriver)
add_library(Zeb::zebTestDriverMain ALIAS zebTestDriverMain)
add_library(Zeb::zebTestToolkit ALIAS zebTestToolkit)
add_library(Zeb::zebTestDataFile ALIAS zebTestDataFile)
set(python_glue "")
if(ZEB_WITH_PYTHON)
  add_library(Zeb::zebPython ALIAS zebPython)
  set(python_glue zebPython)
endif()

install(TARGETS zebWrapTclInit zebWrapPythonInit EXPORT ZebTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS zebTestDriver zebTestDriverMain zebTestToolkit zebTestDataFile ${python_glue}
  EXPORT ZebTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${ZEB_INSTALL_INCLUDEDIR})
install(FILES ${CMAKE_SOURCE_DIR}/IO/Import/Testing/TestDataFile.h
  DESTINATION ${ZEB_INSTALL_INCLUDEDIR})
# The image check's baseline tool, where the image check is.
if(ZEB_WITH_RENDERING)
  install(PROGRAMS ${CMAKE_SOURCE_DIR}/Testing/BaselineTool/zebBaseline.sh
    DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME zebBaseline)
endif()

# The headers of the driver, of the start-up registrations and of the Python
# glue lie in their targets' folders.
foreach(target zebTestDriver zebTestToolkit ${python_glue})
  get_target_property(folder ${target} SOURCE_DIR)
  file(GLOB headers CONFIGURE_DEPENDS ${folder}/*.h)
  install(FILES ${headers} DESTINATION ${ZEB_INSTALL_INCLUDEDIR})
endforeach()

# The core Tcl package's index, where tclsh looks for packages.
if(TARGET zebCommonCoreTcl)
  zeb_install_tcl_package_index(zebCommonCoreTcl ${ZEB_INSTALL_TCLDIR} COMPONENT runtime)
endif()

# The package: targets in the Zeb:: namespace, the functions, the template;
# its components are the parts this build made, its Python the one the glue
# was compiled for.
install(EXPORT ZebTargets NAMESPACE Zeb:: DESTINATION ${ZEB_INSTALL_CMAKEDIR})
set(ZEB_KIT_COMPONENTS Driver)
if(TARGET zebCommonCoreTcl)
  list(APPEND ZEB_KIT_COMPONENTS TclWrapping)
endif()
if(TARGET zebPython)
  list(APPEND ZEB_KIT_COMPONENTS PythonWrapping)
endif()
set(ZEB_KIT_PYTHON_VERSION ${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/ZebConfig.cmake.in
  ${CMAKE_BINARY_DIR}/ZebConfig.cmake INSTALL_DESTINATION ${ZEB_INSTALL_CMAKEDIR})
# The libraries' names carry the minor version, so only 4.3.x matches 4.3
# (ZebConfig.cmake.in states the policy).
write_basic_package_version_file(${CMAKE_BINARY_DIR}/ZebConfigVersion.cmake
  VERSION ${ZEB_VERSION} COMPATIBILITY SameMinorVersion)
install(FILES
  ${CMAKE_BINARY_DIR}/ZebConfig.cmake
  ${CMAKE_BINARY_DIR}/ZebConfigVersion.cmake
  ${CMAKE_CURRENT_LIST_DIR}/ZebTestProgram.cmake
  ${CMAKE_CURRENT_LIST_DIR}/ZebInstallModule.cmake
  ${CMAKE_CURRENT_LIST_DIR}/ZebSystemRunPath.cmake
  ${CMAKE_CURRENT_LIST_DIR}/ZebWrapPython.cmake
  ${CMAKE_CURRENT_LIST_DIR}/ZebWrapTcl.cmake
  ${CMAKE_CURRENT_LIST_DIR}/ZebWrapList.cmake
  ${CMAKE_CURRENT_LIST_DIR}/ZebWrapCheck.cmake
  ${ZEB_TEST_REGISTRY_TEMPLATE}
  ${ZEB_TEST_STARTUP_TEMPLATE}
  DESTINATION ${ZEB_INSTALL_CMAKEDIR})

# What a reader of the archive or the packages finds first: the README with
# the development files, and in each package's folder its copyright and the
# changelog, compressed as Debian's policy wants (when gzip is at hand). The
# changelog's latest entry is this version's.
if(TARGET zebPython)
  set(ZEB_KIT_PYTHON
    "Python ${ZEB_KIT_PYTHON_VERSION} (in Debian, python${ZEB_KIT_PYTHON_VERSION}-dev)")
else()
  set(ZEB_KIT_PYTHON "none, as this kit was built without Python and lacks the component")
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/kit/README.md.in ${CMAKE_BINARY_DIR}/kit/README.md @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/kit/README.md DESTINATION ${ZEB_INSTALL_DOCDIR})
set(changelog ${CMAKE_CURRENT_LIST_DIR}/kit/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
file(STRINGS ${changelog} latest_entry LIMIT_COUNT 1)
if(NOT latest_entry MATCHES "^zeb \\(([^)]*)\\) " OR NOT CMAKE_MATCH_1 STREQUAL ZEB_VERSION)
  message(FATAL_ERROR "${changelog} begins '${latest_entry}': its latest entry must be for "
    "version ${ZEB_VERSION}, the project's")
endif()
set(documents ${CMAKE_CURRENT_LIST_DIR}/kit/copyright)
find_program(ZEB_GZIP gzip)
if(ZEB_GZIP)
  execute_process(COMMAND ${ZEB_GZIP} -9nc ${changelog}
    OUTPUT_FILE ${CMAKE_BINARY_DIR}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
  list(APPEND documents ${CMAKE_BINARY_DIR}/changelog.gz)
endif()
foreach(component runtime development)
  string(TOUPPER ${component} name)
  install(FILES ${documents} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${ZEB_${name}_PACKAGE}
    COMPONENT ${component})
endforeach()

# cpack: a .tar.gz of the whole install (one top folder, usable wherever it is
# unpacked), and in a native build on Debian, through the External generator,
# the Debian packages of its two components (ZebDebianPackages.cmake says how
# they are made).
set(CPACK_PACKAGE_NAME zeb)
set(CPACK_PACKAGE_VERSION ${ZEB_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Zeb toolkit kit: wrapping generators, test driver, stand-in toolkit libraries")
set(CPACK_PACKAGE_CONTACT "Zeb toolkit developers <zeb-dev@example.org>")
set(CPACK_GENERATOR TGZ)
find_program(ZEB_DPKG_DEB dpkg-deb)
if(ZEB_DPKG_DEB AND NOT CMAKE_CROSSCOMPILING)
  list(APPEND CPACK_GENERATOR External)
endif()
set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/ZebDebianPackages.cmake)
set(CPACK_ZEB_BUILD_DIR ${CMAKE_BINARY_DIR})
set(CPACK_ZEB_CMAKE_COMMAND ${CMAKE_COMMAND})
set(CPACK_ZEB_STRIP ${CMAKE_STRIP})
set(CPACK_ZEB_LIBDIR ${CMAKE_INSTALL_LIBDIR})
set(CPACK_ZEB_MAJOR_MINOR ${ZEB_MAJOR_MINOR})
set(CPACK_ZEB_RUNTIME_PACKAGE ${ZEB_RUNTIME_PACKAGE})
set(CPACK_ZEB_DEVELOPMENT_PACKAGE ${ZEB_DEVELOPMENT_PACKAGE})
# The Exodus II library, which the reader opens by soname at run time where
# no scan of the linked libraries sees it.
set(CPACK_ZEB_RUNTIME_DEPENDS ${ZEB_EXODUSII_PACKAGE})
set(CPACK_ZEB_DEVELOPMENT_RECOMMENDS "cmake, g++, tcl-dev, python3-dev")
include(CPack)
