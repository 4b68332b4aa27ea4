#!/usr/bin/env bash
# CTest's memory checker for scripts/memcheck.sh: valgrind, with one log per
# process so that programs a test starts (--trace-children=yes) keep their own
# reports. CTest passes --log-file=<test log> first; the per-process logs are
# <test log>.<pid>, joined into <test log> afterwards for CTest's defect count.
set -u
log=${1#--log-file=}
shift
rm -f "$log" "$log".*
valgrind --log-file="$log.%p" "$@"
status=$?
cat "$log".* >"$log" 2>/dev/null
exit $status
