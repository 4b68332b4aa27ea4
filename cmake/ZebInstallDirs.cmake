# Where the install puts the kit, in the GNU layout under the prefix: the
# libraries in the multiarch folder where the system has one (Debian's
# lib/<triplet>, for the .deb and every other install alike), the core Tcl
# package's index where Debian's tclsh looks for packages of that
# architecture (lib/tcltk/<triplet>), the toolkit's headers in one folder
# named after the toolkit and its version, the CMake package beside the
# libraries. The version is the project's.
#
# The install has two parts, the components of the Debian packages: runtime
# (the shared libraries, the core Tcl package's index, their copyright and
# changelog) and development (everything else); an install rule without a
# component is development's.
if(CMAKE_LIBRARY_ARCHITECTURE AND NOT DEFINED CACHE{CMAKE_INSTALL_LIBDIR})
  set(CMAKE_INSTALL_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE} CACHE PATH
    "Object code libraries (LIBDIR)")
endif()
include(GNUInstallDirs)
set(ZEB_VERSION ${ZebTesting_VERSION})
set(ZEB_MAJOR_MINOR ${ZebTesting_VERSION_MAJOR}.${ZebTesting_VERSION_MINOR})
set(ZEB_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/zeb-${ZEB_MAJOR_MINOR})
set(ZEB_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Zeb)
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(ZEB_INSTALL_TCLDIR lib/tcltk/${CMAKE_LIBRARY_ARCHITECTURE})
else()
  set(ZEB_INSTALL_TCLDIR ${CMAKE_INSTALL_LIBDIR})
endif()
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME development)
# The Debian packages of the two components, whose folders in share/doc hold
# their copyright and changelog (and the kit's README, in development's).
set(ZEB_RUNTIME_PACKAGE libzeb-ob${ZEB_MAJOR_MINOR})
set(ZEB_DEVELOPMENT_PACKAGE libzeb-dev)
set(ZEB_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/${ZEB_DEVELOPMENT_PACKAGE})
