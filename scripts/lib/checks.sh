# SPDX-License-Identifier: GPL-2.0-or-later
# The bookkeeping of checks, for the test scripts and the test command.
#   check RESULT DESCRIPTION [DETAIL]
#                       counts one check, passed when RESULT is 0. The result
#                       comes first: $? must be read before the description's
#                       own command substitutions change it
#   count_pass N [DESCRIPTION]   counts N passed checks
#   count_fail DESCRIPTION [DETAIL]
#                       counts one failed check (kept in $failures)
#   count_skip N DESCRIPTION     counts N checks that cannot run here
#   checks_end NAME [EXPECTED]
#                       prints "NAME: N passed, N failed" (", N skipped" after
#                       it when some were) and exits, non-zero after a
#                       failure; with EXPECTED, running another number of
#                       checks is a failure
#   check_prefix        put before every description of the checks counted
#                       while it is set (a stand-in's checks say so)
passed=0
failed=0
skipped=0
failures=()
check_prefix=""

count_pass() {
  passed=$((passed + $1))
  [ -z "${2:-}" ] || echo "ok: $check_prefix$2"
}

count_fail() {
  failed=$((failed + 1))
  failures+=("$check_prefix$1")
  echo "FAILED: $check_prefix$1 ${2:-}"
}

count_skip() {
  [ "$1" -gt 0 ] || return 0
  skipped=$((skipped + $1))
  echo "skipped $1 check$([ "$1" = 1 ] || echo s): $check_prefix$2"
}

check() {
  if [ "$1" = 0 ]; then count_pass 1 "$2"; else count_fail "$2" "${3:-}"; fi
}

checks_end() {
  local ran=$((passed + failed)) skips=""
  if [ -n "${2:-}" ] && [ "$ran" != "$2" ]; then count_fail "$ran of $2 checks ran"; fi
  [ "$skipped" = 0 ] || skips=", $skipped skipped"
  echo "$1: $passed passed, $failed failed$skips"
  [ "$failed" = 0 ]
  exit
}
