# zeb_read_wrap_list(<list file> <prefix>)
#
# Reads a wrapping list file with the generators' rules (tokens split at
# whitespace; no comments, quotes or escapes) and sets in the caller:
#   <prefix>_NAME      the first token: the Tcl package's or Python module's name
#   <prefix>_ENTRIES   every later token: the Python list's wrapped files
#   <prefix>_CREATORS  the later tokens but COMMAND and VERSION and the token
#                      after each: the Tcl list's creators
#   <prefix>_VERSION   the token after the last VERSION, or empty
# A keyword is a whole token in upper case; the token after it is its value
# whatever it says.
function(zeb_read_wrap_list list_path prefix)
  file(READ ${list_path} text)
  string(ASCII 11 12 vertical_tab_form_feed)
  string(REGEX MATCHALL "[^ \t\r\n${vertical_tab_form_feed}]+" tokens "${text}")
  list(POP_FRONT tokens name)
  set(creators "")
  set(version "")
  set(keyword "")
  foreach(token IN LISTS tokens)
    if(keyword STREQUAL "VERSION")
      set(version ${token})
    endif()
    if(NOT keyword STREQUAL "")
      set(keyword "")
    elseif(token MATCHES "^(COMMAND|VERSION)$")
      set(keyword ${token})
    else()
      list(APPEND creators ${token})
    endif()
  endforeach()
  set(${prefix}_NAME "${name}" PARENT_SCOPE)
  set(${prefix}_ENTRIES "${tokens}" PARENT_SCOPE)
  set(${prefix}_CREATORS "${creators}" PARENT_SCOPE)
  set(${prefix}_VERSION "${version}" PARENT_SCOPE)
endfunction()

# zeb_check_wrap_list(<target> tcl|python <list file>)
#
# Checks the list against <target> each time it links (ZebWrapCheck.cmake,
# before the link): a creator or file entry that the target's objects define
# but the list does not name gives a warning; for a Python module, a list
# whose module name is not the one Python imports the target's file under
# fails the build. Both name what they compare.
function(zeb_check_wrap_list target kind list_path)
  set(nm "")
  if(CMAKE_NM)
    set(nm -DNM=${CMAKE_NM})
  endif()
  add_custom_command(TARGET ${target} PRE_LINK
    COMMAND ${CMAKE_COMMAND} -DKIND=${kind} -DTARGET=${target} -DLIST=${list_path}
      -DFILE_NAME=$<TARGET_FILE_NAME:${target}> "-DOBJECTS=$<TARGET_OBJECTS:${target}>" ${nm}
      -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/ZebWrapCheck.cmake
    VERBATIM)
endfunction()
