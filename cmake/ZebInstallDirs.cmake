# Where the install puts the kit, in the GNU layout under the prefix: the
# toolkit's headers in one folder named after the toolkit and its version,
# the CMake package beside the libraries.
include(GNUInstallDirs)
set(ZEB_VERSION 4.3.0)
set(ZEB_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/zeb-4.3)
set(ZEB_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Zeb)
