#!/usr/bin/env bash
# Builds the fuzz preset and runs every fuzz target for a bounded time on a
# copy of its seed corpus. Fails on any finding (crash, failed check, leak,
# timeout, memory limit); the input that caused it is kept in
# build/fuzz/findings/<target>/ and the target's log is printed.
#
#   bash scripts/run-fuzzers.sh [seconds per target, default 30]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
# Each target with the folder of its seed corpus.
declare -A folders=([wrap_tcl]=tests/fuzz [wrap_python]=tests/fuzz [driver]=tests/fuzz
  [vrml]=Toolkit/tests/fuzz [exodus]=Toolkit/tests/fuzz [exodus_edits]=Toolkit/tests/fuzz)
targets=(wrap_tcl wrap_python driver vrml exodus exodus_edits)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

bin="$PWD/build/fuzz/bin"
work="$PWD/build/fuzz/fuzzing"
findings="$PWD/build/fuzz/findings"
rm -rf "$work" "$findings"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

failed=0
for target in "${targets[@]}"; do
  corpus="$work/$target/corpus"
  mkdir -p "$corpus" "$findings/$target"
  cp "${folders[$target]}/$target/corpus/"* "$corpus/"
  log="$work/$target/fuzz.log"
  if (cd "$work/$target" && "$bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -malloc_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$findings/$target/" "$corpus") >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    printf '%-12s ok: %s runs, %s per second\n' "$target" "$runs" "$rate"
  else
    printf '%-12s FAILED, log follows; the input is in %s\n' "$target" "$findings/$target"
    grep -v 'zebExodusIIReader: cannot read' "$log" | tail -60
    failed=1
  fi
done
exit "$failed"
