# The installable kit: what `cmake --install` puts under the prefix besides the
# toolkit modules (which zeb_toolkit_library installs), the CMake package that
# lets another project use it, and the archives cpack makes of it.
#
#   bin/                 zebWrapTclInit, zebWrapPythonInit
#   <libdir>/            lib<module>-ob4.3.so, libzebTestDriver.a, libzebTestDriverMain.a,
#                        libzebPython.a (<libdir> is lib/<multiarch triplet> on Debian)
#   <libdir>/zebCommonCoreTcl/pkgIndex.tcl   the core Tcl package's index
#   include/zeb-4.3/     the modules' headers, the driver's registry header, the
#                        start-up registrations, the Tcl and Python glue headers
#   <libdir>/cmake/Zeb/  ZebConfig.cmake and its version file, ZebTargets*.cmake,
#                        the functions and the driver's registry and start-up
#                        templates
#   share/doc/zeb/       the kit's README (the list formats) and copyright
#
# Nothing installed names the build or source folder, or a versioned system
# library by its path: libraries find each other through $ORIGIN, the package
# through its own location, the Exodus reader its library by soname.
include(ZebInstallDirs)
include(CMakePackageConfigHelpers)

# The driver under the names the installed package gives it, so that the
# functions use one name in the tree and outside it (the generators':
# ZebHostTools.cmake).
add_library(Zeb::zebTestDriver ALIAS zebTestDriver)
add_library(Zeb::zebTestDriverMain ALIAS zebTestDriverMain)
add_library(Zeb::zebTestToolkit ALIAS zebTestToolkit)
set(python_glue "")
if(ZEB_WITH_PYTHON)
  add_library(Zeb::zebPython ALIAS zebPython)
  set(python_glue zebPython)
endif()

install(TARGETS zebWrapTclInit zebWrapPythonInit EXPORT ZebTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS zebTestDriver zebTestDriverMain zebTestToolkit ${python_glue} EXPORT ZebTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${ZEB_INSTALL_INCLUDEDIR})

# The headers of the driver, of the start-up registrations and of the Python
# glue lie in their targets' folders.
foreach(target zebTestDriver zebTestToolkit ${python_glue})
  get_target_property(folder ${target} SOURCE_DIR)
  file(GLOB headers CONFIGURE_DEPENDS ${folder}/*.h)
  install(FILES ${headers} DESTINATION ${ZEB_INSTALL_INCLUDEDIR})
endforeach()

# The core Tcl package's index, beside the library it loads.
if(TARGET zebCommonCoreTcl)
  get_target_property(core_package_index zebCommonCoreTcl ZEB_TCL_PACKAGE_INDEX)
  install(FILES ${core_package_index} DESTINATION ${CMAKE_INSTALL_LIBDIR}/zebCommonCoreTcl)
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
  ${CMAKE_CURRENT_LIST_DIR}/ZebWrapPython.cmake
  ${CMAKE_CURRENT_LIST_DIR}/ZebWrapTcl.cmake
  ${ZEB_TEST_REGISTRY_TEMPLATE}
  ${ZEB_TEST_STARTUP_TEMPLATE}
  DESTINATION ${ZEB_INSTALL_CMAKEDIR})

# What a reader of the archive or the package finds first.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/kit/README.md ${CMAKE_CURRENT_LIST_DIR}/kit/copyright
  DESTINATION ${ZEB_INSTALL_DOCDIR})

# cpack: a .tar.gz of the install (one top folder, usable wherever it is
# unpacked) and a .deb installing it under /usr. The .deb's Depends are what
# dpkg-shlibdeps finds the libraries and programs linked with, plus the
# package of the Exodus II library, which the reader opens by soname at run
# time where no scan sees it.
set(CPACK_PACKAGE_NAME zeb)
set(CPACK_PACKAGE_VERSION ${ZEB_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Zeb toolkit kit: wrapping generators, test driver, stand-in toolkit libraries")
set(CPACK_PACKAGE_CONTACT "Zeb toolkit developers <zeb-dev@localhost>")
set(CPACK_GENERATOR TGZ DEB)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(ZEB_EXODUSII_PACKAGE)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS ${ZEB_EXODUSII_PACKAGE})
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cmake, g++, tcl-dev, python3-dev")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
