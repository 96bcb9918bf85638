#!/usr/bin/env bash
# Installs what is needed, builds every target (Linux debug with sanitizers,
# Linux release, Windows i686 and x86_64) and runs every test: the Linux unit
# tests under AddressSanitizer and UndefinedBehaviorSanitizer, the Windows unit
# tests under Wine, and the check that every build draws the same frames.
# Ends with one line "tests: N passed, N failed"; exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)
passed=0
failed=0
failures=()

pass() { passed=$((passed + $1)); }
fail() { failed=$((failed + 1)); failures+=("$1"); echo "FAILED: $1"; }

if [ "${EMBERLUX_SKIP_INSTALL:-0}" != 1 ]; then
  bash scripts/install-deps.sh || { echo "installing the build tools failed"; exit 1; }
fi

for preset in linux-debug linux-release win-i686 win-x86_64; do
  echo "== building $preset"
  if ! { cmake --preset "$preset" >/dev/null && cmake --build "build/$preset" -j"$jobs"; }; then
    fail "build $preset"
  fi
done

echo "== Linux unit tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
ctest_log=$(mktemp)
(cd build/linux-debug && ctest --output-on-failure -j"$jobs") | tee "$ctest_log"
ctest_status=${PIPESTATUS[0]}
linux_total=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\2/p' "$ctest_log")
linux_failed=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\1/p' "$ctest_log")
if [ "$ctest_status" = 0 ] && [ -n "$linux_total" ]; then
  pass "$linux_total"
else
  fail "Linux unit tests (${linux_failed:-?} of ${linux_total:-?} failed)"
fi

# Windows unit tests under Wine; a machine without 32-bit support skips i686
# (the same tests as x86_64's, counted as skipped).
skipped=0
windows_count=0
bash scripts/prepare-wine-registry.sh || fail "preparing Wine's registry"
for arch in win-x86_64 win-i686; do
  exe=build/$arch/tests/emberlux_tests.exe
  echo "== Windows unit tests ($arch) under Wine"
  log=$(mktemp)
  scripts/wine-run.sh "$exe" --gtest_brief=1 2>&1 | tr -d '\r' | tee "$log"
  status=${PIPESTATUS[0]}
  if [ "$status" = 125 ]; then
    echo "skipped: $arch tests need a machine that runs 32-bit programs"
    skipped=$((skipped + windows_count))
    continue
  fi
  count=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\..*/\1/p' "$log")
  if [ "$status" = 0 ] && [ -n "$count" ]; then pass "$count"; windows_count=$count; else fail "Windows unit tests ($arch)"; fi
done

bash scripts/check-cross-platform-hashes.sh
hash_status=$?
if [ "$hash_status" = 0 ]; then pass 1; else fail "identical frames on every build"; fi

# The saver and its configuration sheet end to end under Wine in a virtual
# display; a machine that cannot run 32-bit programs skips the i686 runs.
for script in e2e config-e2e monitors-e2e; do
  for arch in win-x86_64 win-i686; do
    echo "== $script ($arch)"
    log=$(mktemp)
    bash "tests/win32/$script.sh" "build/$arch" 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    n=$(sed -n "s/^$script: skipped \([0-9]*\) checks.*/\1/p" "$log")
    if [ -n "$n" ]; then skipped=$((skipped + n)); continue; fi
    count=$(sed -n "s/^$script: \([0-9]*\) passed.*/\1/p" "$log")
    if [ "$status" = 0 ] && [ -n "$count" ]; then pass "$count"; else fail "$script ($arch)"; fi
  done
done

echo "== installer"
log=$(mktemp)
bash tests/installer/installer-e2e.sh 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
count=$(sed -n 's/^installer: \([0-9]*\) passed.*/\1/p' "$log")
if [ "$status" = 0 ] && [ -n "$count" ]; then pass "$count"; else fail "installer"; fi

echo
for f in "${failures[@]}"; do echo "failed: $f"; done
echo "tests: $passed passed, $failed failed, $skipped skipped"
[ "$failed" = 0 ]
