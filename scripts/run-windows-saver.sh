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
scr=build/win-x86_64/saver/win32/Emberlux.scr
export WINEDEBUG=-all WINEPREFIX=${WINEPREFIX:-$HOME/.wine-emberlux} WINELOADER=/usr/lib/wine/wine64
source scripts/wine-env.sh
wine_quiet_audio
# A Wine session left from another display would not show our window on this one.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
if [ -n "${DISPLAY:-}" ]; then
  echo "Starting $scr $switch; press any key to end it."
  exec /usr/lib/wine/wine64 "$scr" "$switch"
fi
shot=$(realpath -m build/saver.png)
number=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wineserver -k 2>/dev/null; rm -f "$number"' EXIT
for _ in $(seq 50); do [ -s "$number" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$number")
/usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
/usr/lib/wine/wine64 "$scr" "$switch" &
saver=$!
sleep 10
import -window root "$shot"
xdotool key space
wait "$saver" || true
echo "No display here: the saver ran for ten seconds in a virtual one. Its screen is in $shot"
