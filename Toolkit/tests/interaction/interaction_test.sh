#!/usr/bin/env bash
# Runs "import_tests TestVRMLNormals -I" against a real X server (Xvfb on a
# free display) and works its window with xdotool, or runs it without a
# usable display. Cases:
#   quit        the window shows the scene; a left drag turns it; r brings the
#               framing back; q ends the program with status 0
#   close       closing the window (WM_DELETE_WINDOW) ends it with status 0
#   resize      a resized window shows the scene at its new size; q ends it
#   server-ends the X server goes away: one message, status 0
#   killed      the window's connection is killed (xkill): one message, status 0
#   no-display  DISPLAY unset: one line, status 0 at once
#   bad-display DISPLAY names no server: one line, status 0 at once
# Usage: interaction_test.sh <case> <import_tests> <screen_image_measure>
#          <close_window> <data root> <work directory> [<emulator>...]
# A cross build names its emulator last: the three programs run under it.
# Screenshots (before.png, dragged.png, reset.png, resized.png) stay in the
# work directory. Every process the script starts is stopped by its id on
# exit, also when a check fails.
set -u
case=$1
program=$2
measure=$3
close_window=$4
data=$5
work=$6
emulator=("${@:7}")
baseline=$data/Baseline/TestVRMLNormals.png
threshold=10

# Valgrind (scripts/memcheck.sh) runs every program here many times slower.
patience=30
case "${LD_PRELOAD:-}" in *vgpreload*) patience=600 ;; esac

rm -rf "$work"
mkdir -p "$work"
started=()
stop_started() {
  local pid
  for pid in "${started[@]}"; do
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  return 0
}
trap stop_started EXIT

fail() {
  echo "FAIL ($case): $*"
  for log in "$work"/program.err "$work"/xvfb.log; do
    [ -s "$log" ] && { echo "--- $log"; cat "$log"; }
  done
  exit 1
}

start_server() {
  # -noreset: a server that resets when its last client leaves (an xdotool
  # query) turns away a client that connects meanwhile.
  Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  server=$!
  started+=("$server")
  local deadline=$((SECONDS + patience))
  until [ -s "$work/display" ]; do
    kill -0 "$server" 2>/dev/null || fail "Xvfb did not start"
    [ $SECONDS -lt $deadline ] || fail "Xvfb gave no display number"
    sleep 0.1
  done
  export DISPLAY=:$(head -n 1 "$work/display")
}

start_program() {
  "${emulator[@]}" "$program" TestVRMLNormals -D "$data" -V "$baseline" -I >"$work/program.out" 2>"$work/program.err" &
  pid=$!
  started+=("$pid")
}

wait_for_window() {
  local deadline=$((SECONDS + patience))
  window=
  until [ -n "$window" ]; do
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its window appeared"
    [ $SECONDS -lt $deadline ] || fail "no window named import_tests appeared"
    sleep 0.2
    window=$(xdotool search --onlyvisible --name '^import_tests$' 2>/dev/null | head -n 1)
  done
}

# Takes screenshots of the window into $work/<name>.png until the condition
# ($1: a shell test on $width, $height, $scene, $box (left top right bottom)
# and $error) holds, measured
# against the reference image $3. Fails with what was last seen when the
# patience runs out.
shoot_until() {
  local condition=$1 name=$2 reference=$3 deadline=$((SECONDS + patience)) report
  while true; do
    width=0 height=0 scene=0 box= error=
    if xwd -silent -id "$window" -out "$work/$name.xwd" 2>/dev/null &&
      report=$("${emulator[@]}" "$measure" "$work/$name.xwd" "$reference" "$work/$name.png"); then
      while read -r key first second rest; do
        case $key in
          size) width=$first height=$second ;;
          scene) scene=$first ;;
          box) box="$first $second $rest" ;;
          error) error=$first ;;
        esac
      done <<<"$report"
      eval "$condition" && return 0
    fi
    [ $SECONDS -lt $deadline ] ||
      fail "$name: want $condition; saw a ${width}x$height image, $scene scene pixels in $box, error ${error:-none} against $reference"
    sleep 0.2
  done
}

# The scene, within the regression check's threshold of the image it is
# measured against.
shows_reference='[ -n "$error" ] && [ "$scene" -gt 1000 ] && awk -v e="$error" -v t=$threshold "BEGIN { exit !(e <= t) }"'
# Clearly another view: twice the error at which the regression check fails.
differs_from_reference='[ -n "$error" ] && [ "$scene" -gt 1000 ] && awk -v e="$error" -v t=$threshold "BEGIN { exit !(e > 2 * t) }"'

framed_in_middle() {
  awk -v w="$width" -v h="$height" -v box="$box" 'BEGIN {
    split(box, b, " ")
    exit !(b[1] > 0 && b[2] > 0 && b[3] < w - 1 && b[4] < h - 1 &&
      (b[1] + b[3] - w) ^ 2 <= 400 && (b[2] + b[4] - h) ^ 2 <= 400) }'
}

# Waits up to a few seconds (longer under valgrind or an emulator) for the
# program to end and checks its exit status and standard error.
expect_exit() {
  local expected_err=$1 seconds=5 deadline status
  [ $patience -gt 30 ] || [ ${#emulator[@]} -gt 0 ] && seconds=$patience
  deadline=$((SECONDS + seconds))
  while kill -0 "$pid" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || fail "the program still runs $seconds s later"
    sleep 0.1
  done
  wait "$pid"
  status=$?
  [ $status -eq 0 ] || fail "exit status $status, not 0"
  [ "$(cat "$work/program.err")" = "$expected_err" ] ||
    fail "standard error is not \"$expected_err\""
}

press() {
  xdotool mousemove --window "$window" 50 50 key "$1"
}

case $case in
  quit)
    start_server
    start_program
    wait_for_window
    shoot_until "$shows_reference" before "$baseline"
    # Down by 140 of 400 pixels: the glass turns its top towards the viewer by
    # 70 degrees. (It is round about its stem, so a sideways drag would not
    # show.)
    xdotool mousemove --window "$window" 200 100 mousedown 1 \
      mousemove --window "$window" 200 170 mousemove --window "$window" 200 240 mouseup 1
    shoot_until "$differs_from_reference" dragged "$work/before.png"
    press r
    shoot_until "$shows_reference" reset "$work/before.png"
    press q
    expect_exit ""
    ;;
  close)
    start_server
    start_program
    wait_for_window
    shoot_until "$shows_reference" before "$baseline"
    "${emulator[@]}" "$close_window" "$window" || fail "close_window failed"
    expect_exit ""
    ;;
  resize)
    start_server
    start_program
    wait_for_window
    shoot_until "$shows_reference" before "$baseline"
    xdotool windowsize "$window" 300 200
    # Drawn again at the new size: the glass framed whole in the middle, not
    # the old image cut off.
    shoot_until '[ "$width" -eq 300 ] && [ "$height" -eq 200 ] && [ "$scene" -gt 1000 ] && framed_in_middle' resized "$baseline"
    press q
    expect_exit ""
    ;;
  server-ends)
    start_server
    start_program
    wait_for_window
    shoot_until "$shows_reference" before "$baseline"
    kill "$server"
    wait "$server"
    expect_exit "zebRenderWindowInteractor: the display went away; the interaction ends"
    ;;
  killed)
    start_server
    start_program
    wait_for_window
    shoot_until "$shows_reference" before "$baseline"
    xdotool windowkill "$window"
    expect_exit "zebRenderWindowInteractor: the display went away; the interaction ends"
    ;;
  no-display)
    unset DISPLAY
    start_program
    expect_exit "zebRenderWindowInteractor: no display to interact with; Start returns at once"
    ;;
  bad-display)
    number=100
    while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
      number=$((number + 1))
    done
    export DISPLAY=:$number
    start_program
    expect_exit "zebRenderWindowInteractor: cannot open display \":$number\"; Start returns at once"
    ;;
  *)
    fail "unknown case"
    ;;
esac
echo "PASS ($case)"
