# The helpers of the install tests, sourced by ExternalModuleTest.sh and
# WindowsKit.sh: a work folder removed on exit, checks that count their
# failures, steps that stop the run, and the run's summary.

work=$(mktemp -d "${TMPDIR:-/tmp}/zeb-install-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

# Runs a command with its output in $work/<name>.log; shows the log and stops
# when the command fails.
step() {
  local name=$1
  shift
  if ! "$@" >"$work/$name.log" 2>&1; then
    cat "$work/$name.log" >&2
    echo "FAILED: $name: $*" >&2
    exit 1
  fi
}

# Compares what a run printed, with every address "(0x...)" written as
# "(ADDRESS)", to the expected text.
expect_output() {
  local what=$1 actual=$2 expected=$3
  actual=$(sed -E 's/\(0x[0-9a-f]+\)/(ADDRESS)/g' <<<"$actual")
  if [ "$actual" != "$expected" ]; then
    fail "$what printed"
    diff <(echo "$expected") <(echo "$actual") >&2 || true
  fi
}

expect_status() {
  local what=$1 actual=$2 expected=$3
  if [ "$actual" -ne "$expected" ]; then
    fail "$what exited with status $actual, expected $expected"
  fi
}

# Ends the run: status 1 after any failed check, else a line saying <what>
# passed.
finish_checks() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
  echo "$1: all checks passed"
}
