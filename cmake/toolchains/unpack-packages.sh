#!/usr/bin/env bash
# Downloads Debian packages of another architecture and unpacks them into a
# folder, for a cross build whose target libraries cannot be installed beside
# the machine's own (dpkg would remove the machine's development packages to
# make room for them). A development package (*-dev) is unpacked alone, for
# its headers and link names; any other package comes with the packages of
# its architecture that it needs, directly or not, and the machine lacks.
#
#   unpack-packages.sh <folder> <package>:<architecture>...
#
# The folder keeps the list it was made from (<folder>/packages) and is made
# again only when the list changes. The architecture's package lists must be
# there (dpkg --add-architecture and apt-get update: scripts/setup.sh cross).
set -euo pipefail
folder=$1
shift
if [ -f "$folder/packages" ] && [ "$(cat "$folder/packages")" = "$*" ]; then
  exit 0
fi
rm -rf "$folder"
mkdir -p "$folder/downloads"

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

wanted=()
needing=()
architectures=()
for package in "$@"; do
  case $package in
    *-dev:*) wanted+=("$package") ;;
    *:*)
      needing+=("$package")
      architectures+=("${package##*:}")
      ;;
    *)
      echo "unpack-packages.sh: $package names no architecture (<package>:<architecture>)" >&2
      exit 2
      ;;
  esac
done
if [ ${#needing[@]} -gt 0 ]; then
  pattern=":($(IFS='|'; echo "${architectures[*]}"))\$"
  depends=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts \
    --no-breaks --no-replaces --no-enhances "${needing[@]}")
  for package in $(grep -E "^[^ <].*$pattern" <<<"$depends" | sort -u); do
    installed "$package" || wanted+=("$package")
  done
fi

(cd "$folder/downloads" && apt-get download -q -o APT::Sandbox::User=root "${wanted[@]}")
for file in "$folder"/downloads/*.deb; do
  dpkg-deb -x "$file" "$folder"
done
rm -rf "$folder/downloads"
echo "$*" >"$folder/packages"
echo "unpack-packages.sh: ${#wanted[@]} packages unpacked into $folder"
