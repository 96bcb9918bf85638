#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The Windows tests of the saver's windows (emberlux_window_tests.exe), which
# need a display: under Wine on a virtual one, each test counted as a check.
# Prints "window-tests: N passed, N failed".
# Usage: tests/win32/window-tests.sh BUILD_DIR   (a Windows build folder, e.g. build/win-x86_64)
set -uo pipefail
cd "$(dirname "$0")/../.."
build=${1:?usage: window-tests.sh BUILD_DIR}
source tests/win32/wine-session.sh
wine_session_begin window-tests "$build/tests/emberlux_window_tests.exe" 8
wine_display

# A test that crashes the program ends it at once, without Wine's debugger.
WINEDLLOVERRIDES=winedbg.exe=d "$loader" "$program" 2>&1 | tr -d '\r' >"$work/tests.log"
cat "$work/tests.log"
# One line per test that ended; a test that brought the program down has none.
while read -r result name; do
  [ "$result" = OK ]; check $? "$name"
done < <(sed -n 's/^\[ *\(OK\|FAILED\) *\] \([^ ]*\) (.*/\1 \2/p' "$work/tests.log")

wine_session_end
