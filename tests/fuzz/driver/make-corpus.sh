#!/usr/bin/env bash
# Writes the seed corpus of the driver's fuzz target. An input is the
# arguments after argument 0, one per line, then a NUL byte and what
# standard input holds (see FuzzTestDriver.cxx).
set -euo pipefail
cd "$(dirname "$0")/corpus"
printf 'TestAlpha\nextra\narg' > exact-name
printf 'TESTalphaBETA' > name-any-case
printf 'TestAlph' > fragment-without-R
printf -- '-R\nalpha\nmore' > fragment-first-match
printf -- '-R\nprintself' > fragment-later-test
printf -- '-R' > fragment-missing
printf -- '-R\nnothing' > fragment-no-match
printf -- '-r\nalpha' > lower-case-r
printf -- '\n' > empty-name
printf '\0002\n' > prompt-number
printf '\000  -1' > prompt-negative
printf '\000x' > prompt-not-a-number
printf '\000' > prompt-no-input
printf '\000+3trailing' > prompt-plus-sign
printf '\00099999999999' > prompt-overflow
printf '\0004294967296' > prompt-beyond-int
printf '\000-2147483648' > prompt-int-minimum
