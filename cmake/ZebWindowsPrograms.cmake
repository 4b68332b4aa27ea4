# What every program of a Windows build carries.
#
# Every executable embeds windows/zebProgram.manifest: UTF-8 is its code
# page, so that the C runtime hands main its arguments in UTF-8 and opens
# files named in UTF-8 whatever the system's code page, and paths may be
# longer than 260 characters.
enable_language(RC)
add_library(zebProgramManifest OBJECT ${CMAKE_CURRENT_LIST_DIR}/windows/zebProgram.rc)
target_include_directories(zebProgramManifest PRIVATE ${CMAKE_CURRENT_LIST_DIR}/windows)
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/windows/zebProgram.rc APPEND PROPERTY
  OBJECT_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/windows/zebProgram.manifest)
link_libraries(
  "$<BUILD_INTERFACE:$<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>:zebProgramManifest>>")
