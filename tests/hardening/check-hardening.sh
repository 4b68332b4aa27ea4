#!/usr/bin/env bash
# Checks that built files carry the hardening of cmake/ZebHardening.cmake,
# as readelf sees it:
#
#   check-hardening.sh <check> <file>...
#
#   relro       a GNU_RELRO segment, and BIND_NOW (full RELRO: -z relro -z now)
#   pie         an executable of type DYN, flagged PIE (-fPIE -pie)
#   stack       a reference to __stack_chk_fail (-fstack-protector-strong)
#   fortify     a reference to a checked libc call, __*_chk (-D_FORTIFY_SOURCE=2)
#   assertions  libstdc++'s checks compiled in (-D_GLIBCXX_ASSERTIONS): a
#               reference to std::__glibcxx_assert_fail, which reports a
#               failed one, or the message itself (libstdc++ before 12.2)
#
# Prints one line per file that lacks it and fails.
# No pipefail: grep -q ends a pipe early, on purpose.
set -u
check="$1"
shift
failed=0
for file in "$@"; do
  case "$check" in
    relro)
      readelf -lW "$file" | grep -q 'GNU_RELRO' &&
        readelf -dW "$file" | grep -Eq '\(BIND_NOW\)|\(FLAGS(_1)?\).* NOW' ;;
    pie)
      readelf -hW "$file" | grep -Eq 'Type: +DYN' &&
        readelf -dW "$file" | grep -Eq '\(FLAGS_1\).* PIE' ;;
    stack)
      readelf --dyn-syms -W "$file" | grep -q ' __stack_chk_fail' ;;
    fortify)
      readelf --dyn-syms -W "$file" | grep -v '__stack_chk_fail' | grep -Eq ' __[a-z0-9_]+_chk(@|$)' ;;
    assertions)
      readelf --dyn-syms -W "$file" | grep -q '__glibcxx_assert_fail' ||
        grep -aq "Assertion '%s' failed" "$file" ;;
    *)
      echo "unknown check: $check"
      exit 2 ;;
  esac
  if [ $? -ne 0 ]; then
    echo "$file: no $check hardening"
    failed=1
  fi
done
exit "$failed"
