#!/usr/bin/env bash
# Installs the Debian packages that building and testing need and that a
# fresh machine may lack. As root it installs them; otherwise it prints the
# command to run and stops.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang clang-format libclang-rt-14-dev libgtest-dev valgrind pkg-config
  dpkg-dev lintian
  tcl8.6 tcl-dev python3 python3-dev
  libexodusii-dev libnetcdf-dev libpng-dev
  libegl-dev libopengl-dev libgl-dev libegl-mesa0 libgl1-mesa-dri
  libx11-dev xvfb xdotool x11-apps butteraugli
  g++-mingw-w64-x86-64-posix wine64 g++-aarch64-linux-gnu qemu-user googletest
)

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
  echo "  apt-get update && apt-get install -y ${missing[*]}"
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y "${missing[@]}"
