# The hardening a distribution builds its packages with: stack protection,
# checked libc and libstdc++ calls, format checks, and executables that load
# at a random address with their relocation tables read-only after start-up.
# Applied to GCC and Clang builds of ELF targets that are not sanitizer or
# fuzz builds (the sanitizers check more, and their runtimes replace the
# checked libc calls). tests/hardening checks the flags in the built files.
if(ZEB_SANITIZE OR NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang"
   OR NOT CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
  set(ZEB_HARDENED OFF)
  return()
endif()
set(ZEB_HARDENED ON)

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
# _FORTIFY_SOURCE works only in optimised code: not in Debug builds.
add_compile_options($<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE>
  $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
add_compile_definitions(_GLIBCXX_ASSERTIONS)

include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_link_options(-Wl,-z,relro,-z,now)
