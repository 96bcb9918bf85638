#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The dialogs of Emberlux.scr at several DPIs under Wine, in a virtual X
# display of its own: for each DPI the configuration sheet (/c) is opened and
# tests/dpi/SheetCheck.exe checks it and the other dialogs (one row of tabs,
# every control inside its page and group box, every text fitting its control,
# icons and tool buttons scaled, the preview filling its frame).
# With SHOTS=DIR it also saves the four pages at each DPI, with the live
# preview running, as DIR/<dpi>-<page>.png. The prefix's LogPixels is put back
# at the end.
# Prints "sheet-check: N passed, N failed", one check per DPI: every dialog
# passes, at the DPI asked for.
# Usage: tests/dpi/sheet-check.sh BUILD_DIR [DPI...]   (a Windows build folder;
#        DPIs 96 120 144 192 unless given)
set -uo pipefail
build=$(realpath "${1:?usage: sheet-check.sh BUILD_DIR [DPI...]}")
shift
dpis=${*:-96 120 144 192}
scr=$build/saver/win32/Emberlux.scr
checker=$build/tests/dpi/SheetCheck.exe
driver=$build/tests/ConfigDriver.exe
desktop='HKCU\Control Panel\Desktop'

source "$(dirname "$0")/../../scripts/wine-env.sh"
wine_test_prefix
loader=$(wine_loader_of "$scr") || { echo "sheet-check: cannot run $scr"; exit 1; }
export WINELOADER=$loader
if ! wine_can_run "$loader"; then
  echo "sheet-check: skipped $(wc -w <<<"$dpis") checks, this machine cannot run $scr"
  exit 0
fi
work=$(mktemp -d)
# A screen large enough for the sheet at 192 DPI.
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
wineserver -k 2>/dev/null
wineserver -w 2>/dev/null
"$loader" wineboot -i >/dev/null 2>&1
"$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
before=$("$loader" reg query "$desktop" /v LogPixels 2>/dev/null | tr -d '\r' | awk '$1 == "LogPixels" {print $3}')
restore() {
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  if [ -n "$before" ]; then
    "$loader" reg add "$desktop" /v LogPixels /t REG_DWORD /d "$((before))" /f >/dev/null 2>&1
  else
    "$loader" reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1
  fi
  wineserver -k 2>/dev/null
  kill $xvfb 2>/dev/null
  rm -rf "$work"
}
trap restore EXIT

passed=0
failed=0
for dpi in $dpis; do
  # The DPI is read when the Wine session starts.
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  "$loader" reg add "$desktop" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  "$loader" "$scr" /c >"$work/saver.log" 2>&1 &
  saver=$!
  "$loader" "$driver" wait >/dev/null 2>&1
  # Into a file, not a pipe: a Wine process that stays behind must not hold
  # the pipe open.
  "$loader" "$checker" "$scr" >"$work/check.log" 2>&1
  tr -d '\r' <"$work/check.log" | tee "$work/check.txt"
  # The checker names the DPI it saw: a run at another DPI than asked fails.
  if grep -qx "sheet-check $dpi dpi: [0-9]* passed, 0 failed" "$work/check.txt"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    grep -q "^sheet-check $dpi dpi:" "$work/check.txt" || echo "FAILED: the sheet did not run at $dpi DPI"
  fi
  if [ -n "${SHOTS:-}" ]; then
    mkdir -p "$SHOTS"
    "$loader" "$driver" click panel 1021 >/dev/null 2>&1
    sleep 6
    for page in 0 1 2 3; do
      "$loader" "$driver" page $page >/dev/null 2>&1
      sleep 1.5
      import -window root "$work/screen.png"
      convert "$work/screen.png" -trim +repage "$SHOTS/$dpi-$page.png"
    done
  fi
  "$loader" "$driver" cancel >/dev/null 2>&1
  for _ in $(seq 50); do kill -0 $saver 2>/dev/null || break; sleep 0.1; done
  kill $saver 2>/dev/null
  wait $saver 2>/dev/null
done
echo "sheet-check: $passed passed, $failed failed"
[ "$failed" = 0 ]
