#!/bin/bash
# zebBaseline: runs one image test of a test program with its baseline, shows
# what the image check says and, when asked, takes the rendering as the
# baseline or as an alternative baseline, then runs the test again to see it
# pass.
#
#   zebBaseline [--replace | --alternate] <program> <test> -V <baseline.png> [<argument>...]
#
# The arguments after the test name are the test's own, as its CTest run has
# them: -V names the baseline, -T the folder that gets the images of a failed
# check (Testing/Temporary when not given), and every argument, -D <data
# root> among them, reaches the test unchanged. As in the check, an option
# given twice counts at its last place.
#
# Exit status: 0 when the rendering matches the baseline (after taking it,
# with a flag); 1 when it differs, when the test fails without a rendering,
# passes without an image check, or the rendering cannot be taken; 2 for a
# wrong command line.
set -uo pipefail

usage="usage: zebBaseline [--replace | --alternate] <program> <test> -V <baseline.png> \
[-D <data root>] [-T <image folder>] [<argument>...]"

say() {
  echo "zebBaseline: $*"
}

refuse() {
  echo "zebBaseline: $*" >&2
  exit 2
}

action=show
case ${1:-} in
  --replace) action=replace && shift ;;
  --alternate) action=alternate && shift ;;
  -h | --help)
    echo "$usage"
    exit 0
    ;;
  -*) refuse "unknown option $1; $usage" ;;
esac
[ $# -ge 2 ] || refuse "$usage"
program=$1 test=$2
shift 2
arguments=("$@")

# The baseline and the image folder, read as the check reads them.
baseline="" images=""
for ((i = 0; i < ${#arguments[@]}; ++i)); do
  if [ $((i + 1)) -lt ${#arguments[@]} ]; then
    case ${arguments[i]} in
      -V) baseline=${arguments[i + 1]} && i=$((i + 1)) ;;
      -T) images=${arguments[i + 1]} && i=$((i + 1)) ;;
    esac
  fi
done
[ -n "$baseline" ] || refuse "no baseline: give -V <baseline.png>; $usage"
[[ $baseline == *.png ]] || refuse "the baseline $baseline is not a .png file"
command -v "$program" >/dev/null || refuse "no program $program"
if [ -z "$images" ]; then
  images=Testing/Temporary
  arguments+=(-T "$images")
fi
name=$(basename "$baseline" .png)
stem=${baseline%.png}
rendering=$images/$name-test.png

# Runs the test with the images of an earlier failure removed, so that what
# it leaves is its own. Sets status, log (what it printed) and error (its
# ImageError measurement, empty when it printed none).
run_test() {
  rm -f "$images/$name-test.png" "$images/$name-diff.png" "$images/$name-compare.png"
  status=0
  log=$("$program" "$test" "${arguments[@]}" 2>&1) || status=$?
  error=$(sed -n 's/.*name="ImageError">\([^<]*\)<.*/\1/p' <<<"$log" | tail -1)
}

run_test
[ -z "$log" ] || echo "$log"
if [ "$status" -eq 0 ]; then
  if [ -z "$error" ]; then
    echo "zebBaseline: $test passed without an image check: it printed no ImageError (does it" \
      "hand its arguments to zebTesting::Test?)" >&2
    exit 1
  fi
  say "$test matches $baseline (image error $error)"
  [ "$action" = show ] || say "the baseline stays as it is"
  exit 0
fi
if [ ! -f "$rendering" ]; then
  echo "zebBaseline: $test failed (exit status $status) without leaving a rendering in" \
    "$images; there is nothing to take" >&2
  exit 1
fi

if [ "$action" = show ]; then
  if [ -f "$images/$name-compare.png" ]; then
    say "$test differs from $baseline (image error $error): look at" \
      "$images/$name-compare.png (baseline, test, difference)"
  else
    say "$test has no baseline it could compare with: look at its rendering $rendering"
  fi
  say "to take the rendering as the baseline add --replace, as an alternative baseline" \
    "--alternate"
  exit 1
fi

if [ "$action" = replace ]; then
  target=$baseline
else
  if [ ! -f "$baseline" ]; then
    echo "zebBaseline: there is no baseline $baseline yet: take the rendering as the baseline" \
      "with --replace first" >&2
    exit 1
  fi
  target=""
  for number in 1 2 3 4 5 6 7 8 9; do
    if [ ! -e "${stem}_$number.png" ]; then
      target=${stem}_$number.png
      break
    fi
  done
  if [ -z "$target" ]; then
    echo "zebBaseline: ${stem}_1.png to ${stem}_9.png all exist: remove an alternative that" \
      "no renderer draws any more, then take this one" >&2
    exit 1
  fi
fi
if ! mkdir -p "$(dirname "$target")" || ! cp "$rendering" "$target"; then
  echo "zebBaseline: cannot take $rendering as $target" >&2
  exit 1
fi
say "took the rendering $rendering as $target"

run_test
if [ "$status" -ne 0 ]; then
  echo "$log"
  if [ -f "$rendering" ]; then
    echo "zebBaseline: $test still differs from $target: its rendering changes from one run" \
      "to the next" >&2
  else
    echo "zebBaseline: $test still fails (exit status $status), with a rendering that" \
      "matches" >&2
  fi
  exit 1
fi
say "$test now matches (image error $error)"
