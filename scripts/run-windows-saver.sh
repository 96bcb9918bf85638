#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds Emberlux.scr and runs it full screen under Wine, as Windows would
# start it (/s): any key, click or mouse movement ends it. On a machine with no
# display it runs in a virtual one for ten seconds and saves a screenshot.
# Usage: scripts/run-windows-saver.sh [SWITCH]   (default /s; /c settings, /a password)
set -euo pipefail
cd "$(dirname "$0")/.."
switch=${1:-/s}
if [ "${EMBERLUX_SKIP_INSTALL:-0}" != 1 ]; then
  bash scripts/install-deps.sh >/dev/null
fi
cmake --preset win-x86_64 >/dev/null
cmake --build build/win-x86_64 -j"$(nproc)" --target Emberlux >/dev/null
scr=build/win-x86_64/windows/saver/Emberlux.scr
source scripts/lib/display.sh
source scripts/lib/pictures.sh
source scripts/lib/wine.sh
WINELOADER=$(wine_loader_of "$scr")
export WINEDEBUG=-all WINEPREFIX=${WINEPREFIX:-$HOME/.wine-emberlux} WINELOADER
wine_quiet_audio
# A Wine session left from another display would not show our window on this one.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
if [ -n "${DISPLAY:-}" ]; then
  echo "Starting $scr $switch; press any key to end it."
  exec "$WINELOADER" "$scr" "$switch"
fi
shot=$(realpath -m build/saver.png)
trap 'stop_x_servers; wineserver -k 2>/dev/null' EXIT
start_xvfb 1024x768 || { echo "run-windows-saver: Xvfb did not start"; exit 1; }
export DISPLAY=$x_display
wine_boot_prefix
"$WINELOADER" "$scr" "$switch" &
saver=$!
sleep 10
screenshot "$shot"
xdotool key space
wait "$saver" || true
echo "No display here: the saver ran for ten seconds in a virtual one. Its screen is in $shot"
