#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the libFuzzer targets of tests/fuzz (preset linux-fuzz: clang with
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs each for SECONDS
# (default 60), starting from its checked-in seeds. The inputs it learns stay
# in build/linux-fuzz/corpus (the seeds are not touched); an input that
# crashes a target is kept as build/linux-fuzz/crashes/TARGET-*.
# Prints one line per target (executions, executions per second) and ends
# with "fuzz: N targets, N crashes"; exits non-zero when a target crashed.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
case $seconds in '' | *[!0-9]*) echo "usage: scripts/fuzz.sh [SECONDS]" >&2; exit 2 ;; esac

if ! { cmake --preset linux-fuzz >/dev/null && cmake --build --preset linux-fuzz -j"$(nproc)" >/dev/null; }; then
  echo "fuzz: building the targets failed (they need clang with libFuzzer)"
  exit 1
fi

build=$PWD/build/linux-fuzz
mkdir -p "$build/corpus" "$build/crashes"
# The targets write their input files into a folder of their own, in memory where there is one.
scratch=$(mktemp -d "$([ -d /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")/emberlux-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

targets=0
crashes=0
for seeds in tests/fuzz/corpus/*/; do
  name=$(basename "$seeds")
  binary=$build/tests/fuzz/fuzz_$name
  corpus=$build/corpus/$name
  log=$build/fuzz_$name.log
  mkdir -p "$corpus"
  targets=$((targets + 1))
  TMPDIR=$scratch "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/crashes/$name-" "$corpus" "$seeds" >"$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  if [ "$status" = 0 ]; then
    echo "$name: ${runs:-?} executions, ${rate:-?}/s"
  else
    crashes=$((crashes + 1))
    echo "$name: CRASH after ${runs:-?} executions (exit $status); log $log"
    grep -m 3 -E '^(==[0-9]+==ERROR|SUMMARY|.*runtime error)' "$log"
  fi
done
echo "fuzz: $targets targets, $crashes crashes"
[ "$crashes" = 0 ]
