#!/usr/bin/env bash
# The CTest cases ExternalModuleTest.<case>: installs a build of the toolkit
# into a temporary prefix, moves the prefix, then runs the checks of <case>
# (InstalledKit.sh: the installed kit and the example module built, installed
# and run against it, its image test too (ImageTest.sh); Mistakes.sh: the
# mistakes a module's developer can make and a driver-only project;
# DebianPackages.sh: the kit's Debian packages, checked, unpacked and used).
# Removes everything it made.
#
#   ExternalModuleTest.sh <case> <build> <source> <generator> <settings.cmake>
#                         <tclsh> <python3> [VAR=value...]
#
# <settings.cmake> is the initial cache of the projects built against the kit
# (compiler, flags); the VAR=value pairs are the interpreters' environment
# (the sanitizer runtimes to preload). When ZEB_EXAMPLE_MEMCHECK is set, the
# example's test program and the Python import run under that command
# (valgrind and its options), and so does one run of its image test program.
set -euo pipefail
case=$1 build=$2 source=$3 generator=$4 settings=$5 tclsh=$6 python=$7
shift 7
interpreter_env=("$@")
read -r -a memcheck <<<"${ZEB_EXAMPLE_MEMCHECK:-}"

source "$(dirname "$0")/Checks.sh"

# --- Install and move.
step install cmake --install "$build" --prefix "$work/staged"
mkdir "$work/moved"
mv "$work/staged" "$work/moved/zeb"
kit=$work/moved/zeb
# The library folder: lib, or lib/<multiarch triplet>.
config=$(find "$kit" -path "*/cmake/Zeb/ZebConfig.cmake")
lib=${config#"$kit/"}
lib=${lib%/cmake/Zeb/ZebConfig.cmake}
# The Tcl packages' folder: lib/tcltk/<multiarch triplet>, or the library folder.
tcl=$lib
if [ "$lib" != lib ]; then
  tcl=lib/tcltk/${lib#lib/}
fi

source "$(dirname "$0")/$case.sh"

finish_checks "ExternalModuleTest.$case"
