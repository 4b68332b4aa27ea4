# Cross build for 64-bit Windows with Debian's mingw-w64 (the POSIX-threads
# compilers). Programs run under wine64 through wine-run.sh, in a wine prefix
# of the build folder's own.
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

# The compiler's runtime DLLs (libstdc++, libgcc_s, libwinpthread) stay where
# Debian puts them; wine finds them through WINEPATH (the folders given to
# wine-run.sh, colon-separated).
set(ZEB_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
set(ZEB_WINE_DLL_PATH "")
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE file OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(folder ${file} DIRECTORY)
  get_filename_component(folder ${folder} REALPATH)
  list(APPEND ZEB_WINE_DLL_PATH ${folder})
endforeach()
list(JOIN ZEB_WINE_DLL_PATH ":" ZEB_WINE_DLL_PATH)
set(CMAKE_CROSSCOMPILING_EMULATOR
  ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${ZEB_WINE_PREFIX} ${ZEB_WINE_DLL_PATH})
# Ends the wine server of the prefix once the tests are done.
set(ZEB_EMULATOR_STOP_COMMAND ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${ZEB_WINE_PREFIX} --stop)
