#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The dialogs of Emberlux.scr at several DPIs under Wine, in a virtual X
# display of its own: for each DPI the configuration sheet (/c) is opened and
# tests/dpi/SheetCheck.exe checks it and the other dialogs (one row of tabs,
# every control inside its page and group box, every text fitting its control,
# icons and tool buttons scaled, the preview filling its frame).
# With SHOTS=DIR it also saves the four pages at each DPI, with the live
# preview running, as DIR/<dpi>-<page>.png. The prefix's LogPixels and X11
# Driver settings are put back at the end.
# Prints "sheet-check: N passed, N failed", one check per DPI: every dialog
# passes, at the DPI asked for.
# Usage: tests/dpi/sheet-check.sh BUILD_DIR [DPI...]   (a Windows build folder;
#        DPIs 96 120 144 192 unless given)
set -uo pipefail
build=$(realpath "${1:?usage: sheet-check.sh BUILD_DIR [DPI...]}")
shift
dpis=${*:-96 120 144 192}
scr=$build/windows/saver/Emberlux.scr
checker=$build/tests/dpi/SheetCheck.exe
driver=$build/tests/ConfigDriver.exe
desktop='HKCU\Control Panel\Desktop'

source "$(dirname "$0")/../../scripts/lib/checks.sh"
source "$(dirname "$0")/../../scripts/lib/display.sh"
source "$(dirname "$0")/../../scripts/lib/pictures.sh"
source "$(dirname "$0")/../../scripts/lib/wine.sh"
wine_test_prefix
loader=$(wine_loader_of "$scr") || { echo "sheet-check: cannot run $scr"; exit 1; }
export WINELOADER=$loader
if ! wine_can_run "$loader"; then
  echo "sheet-check: skipped $(wc -w <<<"$dpis") checks, this machine cannot run $scr"
  exit 0
fi
work=$(mktemp -d)
wine_keep_dir=$work
restore() {
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  if [ -n "${before:-}" ]; then
    reg add "$desktop" /v LogPixels /t REG_DWORD /d "$((before))" /f
  else
    reg delete "$desktop" /v LogPixels /f
  fi
  wine_restore_prefix
  stop_x_servers
  rm -rf "$work"
}
trap restore EXIT
# A screen large enough for the sheet at 192 DPI.
x_log=$work/xvfb.log
start_xvfb 1600x1200 || { echo "sheet-check: Xvfb did not start"; exit 1; }
export DISPLAY=$x_display
wineserver -k 2>/dev/null
wineserver -w 2>/dev/null
wine_boot_prefix
before=$("$loader" reg query "$desktop" /v LogPixels 2>/dev/null | tr -d '\r' | awk '$1 == "LogPixels" {print $3}')

for dpi in $dpis; do
  # The DPI is read when the Wine session starts.
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  reg add "$desktop" /v LogPixels /t REG_DWORD /d "$dpi" /f
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
  grep -qx "sheet-check $dpi dpi: [0-9]* passed, 0 failed" "$work/check.txt"
  check $? "every dialog at $dpi DPI" "$(grep -q "^sheet-check $dpi dpi:" "$work/check.txt" || echo "(the sheet did not run at $dpi DPI)")"
  if [ -n "${SHOTS:-}" ]; then
    mkdir -p "$SHOTS"
    "$loader" "$driver" click panel 1021 >/dev/null 2>&1
    sleep 6
    for page in 0 1 2 3; do
      "$loader" "$driver" page $page >/dev/null 2>&1
      sleep 1.5
      screenshot "$work/screen.png"
      convert "$work/screen.png" -trim +repage "$SHOTS/$dpi-$page.png"
    done
  fi
  "$loader" "$driver" cancel >/dev/null 2>&1
  wait_exit "$saver" 10 >/dev/null
done
checks_end sheet-check
