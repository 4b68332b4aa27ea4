# What every program of a Windows build carries, and what it needs beside it.
#
# Every executable embeds windows/zebProgram.manifest: UTF-8 is its code
# page, so that the C runtime hands main its arguments in UTF-8 and opens
# files named in UTF-8 whatever the system's code page, and paths may be
# longer than 260 characters. The kit installs it for a module's test
# programs.
#
# The compiler's runtime DLLs (libstdc++, libgcc_s, libwinpthread) are
# copied into the build's bin folder and installed into bin, beside the
# programs and the toolkit's DLLs that import them, so that they start from
# that folder alone. The generators link the runtime statically and need
# none of them.
include(ZebInstallDirs)
enable_language(RC)
add_library(zebProgramManifest OBJECT ${CMAKE_CURRENT_LIST_DIR}/windows/zebProgram.rc)
target_include_directories(zebProgramManifest PRIVATE ${CMAKE_CURRENT_LIST_DIR}/windows)
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/windows/zebProgram.rc APPEND PROPERTY
  OBJECT_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/windows/zebProgram.manifest)
link_libraries(
  "$<BUILD_INTERFACE:$<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>:zebProgramManifest>>")
# The kit's zeb_test_program links the installed object into a module's test
# programs, Zeb::zebProgramManifest.
install(TARGETS zebProgramManifest EXPORT ZebTargets
  OBJECTS DESTINATION ${ZEB_INSTALL_CMAKEDIR}/windows)

if(MINGW)
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
      OUTPUT_VARIABLE file OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${file}" OR NOT EXISTS "${file}")
      message(FATAL_ERROR "The compiler's runtime DLL ${dll} was not found")
    endif()
    configure_file(${file} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${dll} COPYONLY)
    install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${dll} DESTINATION ${CMAKE_INSTALL_BINDIR}
      COMPONENT runtime)
  endforeach()
endif()
