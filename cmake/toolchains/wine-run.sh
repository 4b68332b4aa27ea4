#!/bin/sh
# Runs a Windows program of the build under wine64, quietly and without a
# display, in the wine prefix given (made on first use):
#
#   wine-run.sh <prefix> <program> [args...]
#   wine-run.sh <prefix> --stop     ends the prefix's wine server, if any
set -eu
export WINEPREFIX="$1"
export WINEDEBUG=-all
# No Mono or Gecko installers, no window of any kind.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Only Windows' own DLLs and those beside the program: no WINEPATH of the caller.
unset DISPLAY WAYLAND_DISPLAY WINEPATH
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

if [ "$2" = "--stop" ]; then
  if [ -d "$WINEPREFIX" ]; then
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
  fi
  exit 0
fi
shift

# The first run makes the prefix, alone (concurrent runs wait) and with its
# messages kept out of the program's output.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  flock "$WINEPREFIX.lock" sh -c '
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      "$1" wineboot --init >/dev/null 2>&1
      "$2" -w
    fi' sh "$wine" "$wineserver"
fi
exec "$wine" "$@"
