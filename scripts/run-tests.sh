#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs what is needed, builds every target (Linux debug with sanitizers,
# Linux release, Windows i686 and x86_64, WebAssembly) and runs every test: the Linux unit
# tests under AddressSanitizer and UndefinedBehaviorSanitizer, the threads'
# tests under ThreadSanitizer, the fuzz targets for a bounded time
# (EMBERLUX_FUZZ_SECONDS each, default 20), the Windows unit tests under Wine,
# the check that every build draws the same frames, the native saver (alone and
# under xscreensaver), the Windows saver, its sheet and the installer end to end.
# Ends with one line "tests: N passed, N failed, N skipped"; exits non-zero on
# any failure.
set -uo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
source scripts/lib/checks.sh

if [ "${EMBERLUX_SKIP_INSTALL:-0}" != 1 ]; then
  bash scripts/install-deps.sh || { echo "installing the build tools failed"; exit 1; }
fi

for preset in linux-debug linux-release win-i686 win-x86_64 web; do
  echo "== building $preset"
  if ! { cmake --preset "$preset" >/dev/null && cmake --build "build/$preset" -j"$jobs"; }; then
    count_fail "build $preset"
  fi
done

# Runs ctest in a build folder and counts its tests: those that skipped
# themselves (GTEST_SKIP) are listed by ctest as "(Skipped)" and count as
# skipped, not as passed.
run_ctest() {
  local label=$1 dir=$2 log status total failing skips
  echo "== $label"
  log=$(mktemp)
  (cd "$dir" && ctest --output-on-failure -j"$jobs") | tee "$log"
  status=${PIPESTATUS[0]}
  total=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\2/p' "$log")
  failing=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\1/p' "$log")
  skips=$(grep -c '^[[:space:]]*[0-9]* - .* (Skipped)$' "$log")
  rm -f "$log"
  if [ "$status" = 0 ] && [ -n "$total" ]; then
    count_pass $((total - skips))
    count_skip "$skips" "$label"
  else
    count_fail "$label (${failing:-?} of ${total:-?} failed)"
  fi
}

# Runs a test script whose last line is "NAME: N passed, N failed" (with
# ", N skipped" where some of its checks could not run here), or
# "NAME: skipped N checks ..." on a machine that cannot run what it tests.
run_script() {
  local name=$1 label=$2 log status count skips
  shift 2
  echo "== $label"
  log=$(mktemp)
  "$@" 2>&1 | tee "$log"
  status=${PIPESTATUS[0]}
  count=$(sed -n "s/^$name: skipped \([0-9]*\) checks.*/\1/p" "$log")
  skips=$(sed -n "s/^$name: [0-9]* passed, [0-9]* failed, \([0-9]*\) skipped$/\1/p" "$log")
  if [ -n "$count" ] && [ "$status" = 0 ]; then count_skip "$count" "$label"; rm -f "$log"; return; fi
  count=$(sed -n "s/^$name: \([0-9]*\) passed.*/\1/p" "$log")
  rm -f "$log"
  if [ "$status" = 0 ] && [ -n "$count" ]; then count_pass "$count"; count_skip "${skips:-0}" "$label"; else count_fail "$label"; fi
}

echo "== the Debian package of the native saver"
(cd build/linux-release && cpack -G DEB) || count_fail "the Debian package"

run_ctest "Linux unit tests (AddressSanitizer, UndefinedBehaviorSanitizer)" build/linux-debug

if cmake --preset linux-tsan >/dev/null && cmake --build --preset linux-tsan -j"$jobs"; then
  run_ctest "the threads' tests (ThreadSanitizer)" build/linux-tsan
else
  count_fail "build linux-tsan"
fi

# Every input the world controls, fuzzed for a bounded time.
echo "== fuzzing (${EMBERLUX_FUZZ_SECONDS:=20} s a target)"
log=$(mktemp)
bash scripts/fuzz.sh "$EMBERLUX_FUZZ_SECONDS" 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
count=$(sed -n 's/^fuzz: \([0-9]*\) targets, 0 crashes$/\1/p' "$log")
if [ "$status" = 0 ] && [ -n "$count" ]; then count_pass "$count"; else count_fail "fuzzing"; fi

# Windows unit tests under Wine; a machine without 32-bit support skips i686
# (the same tests as x86_64's, counted as skipped). Tests that skip themselves
# count as skipped.
windows_count=0
bash scripts/prepare-wine-registry.sh || count_fail "preparing Wine's registry"
for arch in win-x86_64 win-i686; do
  exe=build/$arch/tests/emberlux_tests.exe
  echo "== Windows unit tests ($arch) under Wine"
  log=$(mktemp)
  scripts/wine-run.sh "$exe" --gtest_brief=1 2>&1 | tr -d '\r' | tee "$log"
  status=${PIPESTATUS[0]}
  count=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\..*/\1/p' "$log")
  skips=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) tests\?,.*/\1/p' "$log")
  rm -f "$log"
  if [ "$status" = 125 ]; then
    count_skip "$windows_count" "the $arch tests, this machine cannot run 32-bit programs"
    continue
  fi
  if [ "$status" = 0 ] && [ -n "$count" ]; then
    count_pass "$count"
    count_skip "${skips:-0}" "the $arch tests"
    windows_count=$((count + ${skips:-0}))
  else
    count_fail "Windows unit tests ($arch)"
  fi
done

echo "== licence lines"
if bash scripts/check-licence-headers.sh; then count_pass 1; else count_fail "a licence line in every source file"; fi

run_script cross-platform-hashes "identical frames on every build" bash scripts/check-cross-platform-hashes.sh

# The saver and its configuration sheet end to end under Wine in a virtual
# display, and the tests of its windows; a machine that cannot run 32-bit
# programs skips the i686 runs.
for script in e2e config-e2e monitors-e2e window-tests; do
  for arch in win-x86_64 win-i686; do
    run_script "$script" "$script ($arch)" bash "tests/win32/$script.sh" "build/$arch"
  done
done
run_script web-frames "the WebAssembly renderer under Node" bash tests/web/frames-hashes.sh build/web
run_script web-presets "a preset of the page in the Linux build" node tests/web/preset-exchange.js build/web build/linux-release
run_script web-page "the page in headless Chromium" node tests/web/page-e2e.js build/web
run_script linux-e2e "the native saver end to end" bash tests/linux/e2e.sh build/linux-release
run_script xscreensaver-e2e "the native saver under xscreensaver" bash tests/linux/xscreensaver-e2e.sh build/linux-release
run_script sheet-check "the dialogs at 96, 120, 144 and 192 DPI" bash tests/dpi/sheet-check.sh build/win-x86_64
run_script installer installer bash tests/installer/installer-e2e.sh

echo
for f in "${failures[@]}"; do echo "failed: $f"; done
echo "tests: $passed passed, $failed failed, $skipped skipped"
[ "$failed" = 0 ]
