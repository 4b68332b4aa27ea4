# The cross build's emulator (CMAKE_CROSSCOMPILING_EMULATOR, set by the
# toolchain file): CTest starts every program of the build through it, and
# RunProcess (tests/support) starts the programs a test runs through it.
#
# An emulator that keeps a server running between programs (wine) names a
# command that stops it, ZEB_EMULATOR_STOP_COMMAND. The CTest run
# emulator.stop runs it as the cleanup of the fixture ZEB_EMULATOR_FIXTURE,
# which the runs of zeb_test_program and zeb_gtest require, so that it comes
# after all of them.
set(ZEB_EMULATOR_FIXTURE "")
if(ZEB_EMULATOR_STOP_COMMAND)
  set(ZEB_EMULATOR_FIXTURE emulator)
  add_test(NAME emulator.stop COMMAND ${ZEB_EMULATOR_STOP_COMMAND})
  set_tests_properties(emulator.stop PROPERTIES FIXTURES_CLEANUP ${ZEB_EMULATOR_FIXTURE})
endif()
