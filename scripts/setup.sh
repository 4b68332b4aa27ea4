#!/usr/bin/env bash
# Installs the Debian packages that building and testing need and that a
# fresh machine may lack: those of the native build, and with "cross" also
# those of the Windows and 64-bit ARM cross builds (the compilers, wine,
# qemu, and the arm64 libraries, which Debian's multiarch installs beside the
# x86-64 ones once the arm64 architecture is added). As root it installs
# them; otherwise it prints the commands to run and stops.
#
#   bash scripts/setup.sh         # the native build
#   bash scripts/setup.sh cross   # the native build and the cross builds
set -euo pipefail

packages=(
  cmake ninja-build g++ clang clang-format libclang-rt-14-dev libgtest-dev valgrind pkg-config
  dpkg-dev lintian
  tcl8.6 tcl-dev python3 python3-dev
  libexodusii-dev libnetcdf-dev libpng-dev
  libegl-dev libopengl-dev libgl-dev libegl-mesa0 libgl1-mesa-dri
  libx11-dev xvfb xdotool x11-apps butteraugli
)
cross_packages=(g++-mingw-w64-x86-64-posix wine64 g++-aarch64-linux-gnu qemu-user googletest)
# What the arm64 build links and its programs load under qemu. The Exodus II
# and netCDF libraries cannot be installed beside the x86-64 ones; the arm64
# build unpacks its own copies (cmake/toolchains/arm64-sysroot.sh).
arm64_packages=(
  libc6 libstdc++6 libpng-dev libegl-dev libopengl-dev libgl-dev libegl-mesa0 libgl1-mesa-dri
  libx11-dev tcl-dev libpython3-dev
)

case "${1-}" in
  "") ;;
  cross) packages+=("${cross_packages[@]}" "${arm64_packages[@]/%/:arm64}") ;;
  *)
    echo "usage: bash scripts/setup.sh [cross]" >&2
    exit 2
    ;;
esac

add_arm64=false
if [ "${1-}" = cross ] && ! dpkg --print-foreign-architectures | grep -qx arm64; then
  add_arm64=true
fi
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "These packages are missing. Install them as root with:"
  if $add_arm64; then
    echo "  dpkg --add-architecture arm64"
  fi
  echo "  apt-get update && apt-get install -y ${missing[*]}"
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if $add_arm64; then
  dpkg --add-architecture arm64
fi
apt-get update
apt-get install -y "${missing[@]}"
