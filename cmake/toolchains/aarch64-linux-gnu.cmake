# Cross build for 64-bit ARM Linux with Debian's aarch64-linux-gnu compilers,
# against the arm64 libraries that Debian's multiarch installs beside the
# x86-64 ones (/usr/lib/aarch64-linux-gnu; bash scripts/setup.sh cross).
# Programs run under qemu-aarch64 with those libraries and arm64's own
# dynamic loader (/lib/ld-linux-aarch64.so.1).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)

# The compilers' own folder, then the system's multiarch folders (the
# headers in /usr/include are the same for every architecture).
set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu /)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64)

# FindPython reads the arm64 Python's settings from Debian's
# aarch64-linux-gnu-python3.X-config in /usr/bin, before any other
# python3.X-config on the PATH.
set(Python3_ROOT_DIR /usr)
