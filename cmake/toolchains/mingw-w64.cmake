# Cross build for 64-bit Windows with Debian's mingw-w64 (the POSIX-threads
# compilers). Programs run under wine64 through wine-run.sh, in a wine prefix
# of the build folder's own, with nothing but Windows' own DLLs and the build's
# bin folder to load from (cmake/ZebWindowsPrograms.cmake puts the compiler's
# runtime DLLs there).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(ZEB_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
set(CMAKE_CROSSCOMPILING_EMULATOR
  ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${ZEB_WINE_PREFIX})
# Ends the wine server of the prefix once the tests are done.
set(ZEB_EMULATOR_STOP_COMMAND ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${ZEB_WINE_PREFIX} --stop)
