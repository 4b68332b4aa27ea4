# Debian packages of a cross build's target that cannot be installed beside
# the build machine's own (the arm64 Exodus II and netCDF development
# packages would make dpkg remove the x86-64 ones): ZEB_TARGET_PACKAGES
# names them as <package>:<architecture>. The configure downloads them, with
# the libraries they need that the machine lacks, and unpacks them into
# <build>/target-packages (toolchains/unpack-packages.sh), which then serves
# as one more root: the find commands look there first, the linker finds the
# libraries those libraries need there, and the programs under the emulator
# (qemu-user) load them from there.
set(ZEB_TARGET_PACKAGES "" CACHE STRING
  "Debian packages (<package>:<architecture>) that the cross build unpacks into target-packages")
if(NOT ZEB_TARGET_PACKAGES)
  return()
endif()
if(NOT CMAKE_CROSSCOMPILING OR NOT CMAKE_CROSSCOMPILING_EMULATOR MATCHES "qemu")
  message(FATAL_ERROR "ZEB_TARGET_PACKAGES is for cross builds whose programs run under qemu")
endif()

set(root ${CMAKE_BINARY_DIR}/target-packages)
execute_process(
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/toolchains/unpack-packages.sh ${root} ${ZEB_TARGET_PACKAGES}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "The packages of ZEB_TARGET_PACKAGES could not be unpacked into ${root}")
endif()

list(PREPEND CMAKE_FIND_ROOT_PATH ${root})
set(folders ${root}/usr/lib/${CMAKE_LIBRARY_ARCHITECTURE} ${root}/lib/${CMAKE_LIBRARY_ARCHITECTURE})
foreach(folder IN LISTS folders)
  add_link_options(LINKER:-rpath-link,${folder})
endforeach()
list(JOIN folders ":" path)
list(APPEND CMAKE_CROSSCOMPILING_EMULATOR -E LD_LIBRARY_PATH=${path})
