# The Debian packages of the kit, one per install component, made by cpack's
# External generator, which runs this script with the CPACK_ZEB_* settings of
# ZebInstall.cmake:
#   <runtime package>      the shared libraries and the core Tcl package
#                          (Multi-Arch: same, the ldconfig trigger)
#   <development package>  the headers, static libraries, generators, the CMake
#                          package and the kit's README; depends on the
#                          runtime package of the same version
# Each component is installed under /usr, where the libraries keep no run
# path (zeb_toolkit_library). Its ELF files are stripped as dh_strip strips
# them; the debug information stays in the build. Its Depends are what
# dpkg-shlibdeps finds its programs and libraries linked with, plus those
# named here. dpkg-deb writes the package, owned by root.

cmake_minimum_required(VERSION 3.25)

# Runs a command; stops the packaging with its output when it fails.
function(zeb_run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    string(REPLACE ";" " " command "${ARGN}")
    message(FATAL_ERROR "${command} failed: ${output}")
  endif()
endfunction()

# Strips every ELF file and static library under <root>: debug information
# and symbols that nothing links against.
function(zeb_strip root)
  set(strip ${CPACK_ZEB_STRIP} --remove-section=.comment --remove-section=.note)
  file(GLOB_RECURSE files LIST_DIRECTORIES false ${root}/usr/*)
  foreach(file IN LISTS files)
    file(READ ${file} magic LIMIT 4 HEX)
    if(file MATCHES "\\.a$")
      zeb_run(${strip} --strip-debug --enable-deterministic-archives ${file})
    elseif(magic STREQUAL "7f454c46" AND file MATCHES "\\.so$")
      zeb_run(${strip} --strip-unneeded ${file})
    elseif(magic STREQUAL "7f454c46")
      zeb_run(${strip} ${file})
    endif()
  endforeach()
endfunction()

# Sets <variable> to the Depends that dpkg-shlibdeps finds for the ELF files
# under <root>; the runtime package's libraries are looked for in its root.
function(zeb_shared_library_depends root variable)
  file(GLOB_RECURSE files LIST_DIRECTORIES false ${root}/usr/*)
  set(binaries "")
  foreach(file IN LISTS files)
    file(READ ${file} magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
      list(APPEND binaries ${file})
    endif()
  endforeach()
  set(${variable} "" PARENT_SCOPE)
  if(binaries)
    # dpkg-shlibdeps runs in a source tree: an empty debian/control will do.
    set(tree ${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps)
    file(WRITE ${tree}/debian/control "")
    set(libraries ${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_ZEB_RUNTIME_PACKAGE}/usr/${CPACK_ZEB_LIBDIR})
    execute_process(COMMAND dpkg-shlibdeps -O --ignore-missing-info -l${libraries} ${binaries}
      WORKING_DIRECTORY ${tree} RESULT_VARIABLE status OUTPUT_VARIABLE output
      ERROR_VARIABLE errors)
    if(NOT status EQUAL 0 OR NOT output MATCHES "shlibs:Depends=([^\n]*)")
      message(FATAL_ERROR "dpkg-shlibdeps failed: ${errors}")
    endif()
    set(${variable} ${CMAKE_MATCH_1} PARENT_SCOPE)
  endif()
endfunction()

# zeb_debian_package(<component> <package> SECTION <section> DESCRIPTION <summary> <line>...
#   (a line "." is an empty line of the extended description)
#                    [MULTIARCH <value>] [DEPENDS <dependency>...] [RECOMMENDS <text>]
#                    [TRIGGERS <line>...])
# Installs <component> into the package's root and writes <package>_<version>_<arch>.deb
# in CPACK_TOPLEVEL_DIRECTORY; appends its path to CPACK_EXTERNAL_BUILT_PACKAGES.
function(zeb_debian_package component package)
  cmake_parse_arguments(ARG "" "SECTION;MULTIARCH;RECOMMENDS" "DESCRIPTION;DEPENDS;TRIGGERS"
    ${ARGN})
  set(root ${CPACK_TOPLEVEL_DIRECTORY}/${package})
  file(REMOVE_RECURSE ${root})
  zeb_run(${CPACK_ZEB_CMAKE_COMMAND} -E env DESTDIR=${root}
    ${CPACK_ZEB_CMAKE_COMMAND} --install ${CPACK_ZEB_BUILD_DIR} --prefix /usr
    --component ${component})
  zeb_strip(${root})
  zeb_shared_library_depends(${root} depends)
  list(PREPEND ARG_DEPENDS ${depends})
  list(JOIN ARG_DEPENDS ", " depends)

  # The control files: control, md5sums of every file, and the triggers.
  set(size 0)
  set(md5sums "")
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${root} ${root}/*)
  list(SORT files)
  foreach(file IN LISTS files)
    file(SIZE ${root}/${file} bytes)
    math(EXPR size "${size} + (${bytes} + 1023) / 1024")
    file(MD5 ${root}/${file} md5)
    string(APPEND md5sums "${md5}  ${file}\n")
  endforeach()
  list(POP_FRONT ARG_DESCRIPTION summary)
  set(description "${summary}")
  foreach(line IN LISTS ARG_DESCRIPTION)
    string(APPEND description "\n ${line}")
  endforeach()
  set(control "Package: ${package}\nSource: ${CPACK_PACKAGE_NAME}\n")
  string(APPEND control "Version: ${CPACK_PACKAGE_VERSION}\nArchitecture: ${architecture}\n")
  if(ARG_MULTIARCH)
    string(APPEND control "Multi-Arch: ${ARG_MULTIARCH}\n")
  endif()
  string(APPEND control "Maintainer: ${CPACK_PACKAGE_CONTACT}\nInstalled-Size: ${size}\n")
  string(APPEND control "Depends: ${depends}\n")
  if(ARG_RECOMMENDS)
    string(APPEND control "Recommends: ${ARG_RECOMMENDS}\n")
  endif()
  string(APPEND control "Section: ${ARG_SECTION}\nPriority: optional\n")
  string(APPEND control "Description: ${description}\n")
  file(WRITE ${root}/DEBIAN/control "${control}")
  file(WRITE ${root}/DEBIAN/md5sums "${md5sums}")
  if(ARG_TRIGGERS)
    list(JOIN ARG_TRIGGERS "\n" triggers)
    file(WRITE ${root}/DEBIAN/triggers "${triggers}\n")
  endif()

  set(deb ${CPACK_TOPLEVEL_DIRECTORY}/${package}_${CPACK_PACKAGE_VERSION}_${architecture}.deb)
  zeb_run(dpkg-deb --root-owner-group -Zxz --build ${root} ${deb})
  list(APPEND CPACK_EXTERNAL_BUILT_PACKAGES ${deb})
  set(CPACK_EXTERNAL_BUILT_PACKAGES ${CPACK_EXTERNAL_BUILT_PACKAGES} PARENT_SCOPE)
endfunction()

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE architecture
  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(version ${CPACK_PACKAGE_VERSION})

zeb_debian_package(runtime ${CPACK_ZEB_RUNTIME_PACKAGE}
  SECTION libs
  MULTIARCH same
  DEPENDS ${CPACK_ZEB_RUNTIME_DEPENDS}
  TRIGGERS "activate-noawait ldconfig"
  DESCRIPTION "Zeb toolkit kit: stand-in toolkit libraries"
    "The shared libraries of the Zeb toolkit's stand-in modules (object model,"
    "data model, execution model, rendering, VRML import, Exodus II reading,"
    "server manager), which the toolkit's test programs and wrapped modules"
    "link against, and the core Tcl package zebCommonCoreTcl, which tclsh"
    "finds in /usr/lib/tcltk/<multiarch>."
    "."
    "The libraries' names carry the toolkit's minor version"
    "(lib<module>-ob${CPACK_ZEB_MAJOR_MINOR}.so).")
zeb_debian_package(development ${CPACK_ZEB_DEVELOPMENT_PACKAGE}
  SECTION libdevel
  DEPENDS "${CPACK_ZEB_RUNTIME_PACKAGE} (= ${version})"
  RECOMMENDS ${CPACK_ZEB_DEVELOPMENT_RECOMMENDS}
  DESCRIPTION "Zeb toolkit kit: headers, test driver and wrapping generators"
    "What a module outside the Zeb toolkit needs to wrap and test itself: the"
    "toolkit's headers, the common test driver and its main, the data file"
    "helper of tests, the baseline tool of image tests (zebBaseline), the"
    "generators of Tcl package and Python module initialisation sources"
    "(zebWrapTclInit, zebWrapPythonInit), the Python glue, and the CMake"
    "package Zeb with its functions: find_package(Zeb ${CPACK_ZEB_MAJOR_MINOR}"
    "COMPONENTS Driver TclWrapping PythonWrapping)."
    "."
    "/usr/share/doc/${CPACK_ZEB_DEVELOPMENT_PACKAGE}/README.md describes the"
    "components, the list files, image tests and what the kit checks.")
