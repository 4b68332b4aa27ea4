# Running the build's programs under the cross build's emulator
# (CMAKE_CROSSCOMPILING_EMULATOR, set by the toolchain file).
#
# CTest starts every program it runs through the emulator by itself. Two
# things remain:
#
# - An emulator that keeps a server running between programs (wine) names a
#   command that stops it, ZEB_EMULATOR_STOP_COMMAND. The CTest run
#   emulator.stop runs it as the cleanup of the fixture ZEB_EMULATOR_FIXTURE,
#   which the runs of zeb_test_program and zeb_gtest require, so it comes
#   after all of them.
# - A program that a test starts by itself is started through the emulator
#   too where the system cannot run it directly: qemu-user does not follow
#   an exec into another ARM program unless binfmt_misc is set up for it,
#   whereas wine starts Windows programs itself.
set(ZEB_EMULATOR_FIXTURE "")
if(ZEB_EMULATOR_STOP_COMMAND)
  set(ZEB_EMULATOR_FIXTURE emulator)
  add_test(NAME emulator.stop COMMAND ${ZEB_EMULATOR_STOP_COMMAND})
  set_tests_properties(emulator.stop PROPERTIES FIXTURES_CLEANUP ${ZEB_EMULATOR_FIXTURE})
endif()

# zeb_started_program_path(<target> <variable>)
#
# Sets <variable> to the path by which a test program starts <target>: the
# target's file, or under an emulator the system does not run by itself a
# script of the build folder that runs the file under the emulator (qemu's
# -0 hands the program the script's path as its argument 0, the path the
# test started).
function(zeb_started_program_path target variable)
  if(NOT CMAKE_CROSSCOMPILING_EMULATOR OR WIN32)
    set(${variable} "$<TARGET_FILE:${target}>" PARENT_SCOPE)
    return()
  endif()
  set(script ${CMAKE_BINARY_DIR}/emulated/${target})
  get_property(written GLOBAL PROPERTY ZEB_EMULATED_PROGRAMS)
  if(NOT target IN_LIST written)
    list(JOIN CMAKE_CROSSCOMPILING_EMULATOR " " emulator)
    file(GENERATE OUTPUT ${script}
      CONTENT "#!/bin/sh\nexec ${emulator} -0 \"$0\" \"$<TARGET_FILE:${target}>\" \"$@\"\n"
      FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
        WORLD_READ WORLD_EXECUTE)
    set_property(GLOBAL APPEND PROPERTY ZEB_EMULATED_PROGRAMS ${target})
  endif()
  set(${variable} ${script} PARENT_SCOPE)
endfunction()
