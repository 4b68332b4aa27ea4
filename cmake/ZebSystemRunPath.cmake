# zeb_install_without_system_run_path(<target> <destination> [<install option>...])
#
# Has an install under /usr remove the run path of <target>'s file, which the
# install puts in <destination> (relative to the prefix, or absolute): the
# loader finds the system's libraries there, and Debian's policy wants no run
# path in its files. The options go to install(CODE), e.g. COMPONENT
# <component>.
function(zeb_install_without_system_run_path target destination)
  install(CODE "if(CMAKE_INSTALL_PREFIX MATCHES \"^/usr/?$\")
      set(file \"${destination}/$<TARGET_FILE_NAME:${target}>\")
      cmake_path(ABSOLUTE_PATH file BASE_DIRECTORY /usr)
      file(RPATH_REMOVE FILE \"\$ENV{DESTDIR}\${file}\")
    endif()" ${ARGN})
endfunction()
