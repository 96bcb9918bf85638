#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Measures whether Emberlux.scr's memory stays flat under Wine, in a virtual
# 1920x1080 display of its own:
#   - a full-screen run (/s) of MINUTES minutes (default 10): the resident size
#     after the first minute and at the end;
#   - the configuration sheet (/c): the live preview switched on and off
#     CYCLES times (default 200), then the preset toolbar used CYCLES times
#     (Save, then the other of two presets chosen): the resident size after
#     the first tenth of the cycles and at the end.
# Each measurement prints the two sizes and their difference, and passes when
# the size grew by at most 2 MB. Not part of the tests: it takes long.
# MODE is how the full-screen run draws: directx (default, a new
# installation's DirectX mode) or gdi (DirectX mode off). Wine 8 draws an
# 8-bit DirectDraw screen through OpenGL and grows with every frame presented
# that way, whatever the program (about 400 kB a minute here). So in DirectX
# mode `PresentLoop.exe directdraw` (tools/present-loop), the least such program,
# runs as long afterwards, and the check is that the saver grows at most 2 MB
# more than it.
# Runs in a Wine prefix of its own, build/measure-memory-wine.
# Usage: scripts/measure-memory.sh [BUILD_DIR [MINUTES [CYCLES [MODE]]]]
#        (default build/win-x86_64, built beforehand)
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/win-x86_64}
minutes=${2:-10}
cycles=${3:-200}
mode=${4:-directx}
scr=$build/windows/saver/Emberlux.scr
driver=$build/tests/ConfigDriver.exe
bare_loop=$build/tools/present-loop/PresentLoop.exe
[ -f "$scr" ] && [ -f "$driver" ] && [ -f "$bare_loop" ] || { echo "measure-memory: build $build first"; exit 1; }

export EMBERLUX_TEST_WINEPREFIX=$PWD/build/measure-memory-wine
source scripts/lib/wine-session.sh
wine_session_begin measure-memory "$scr" 3
wine_display 1920x1080+0+0
drive() { "$loader" "$driver" "$@" >/dev/null 2>>"$work/driver.log"; }
resident_kb() { awk '$1 == "VmRSS:" {print $2}' "/proc/$saver/status" 2>/dev/null; }
# Prints the sizes and counts the check: at most 2 MB more at the end than
# at the start (and than ALLOWED_KB, what the system itself grows by).
compare_sizes() {  # compare_sizes WHAT BEFORE_KB AFTER_KB [ALLOWED_KB]
  local growth=$(($3 - $2))
  [ -n "$2" ] && [ -n "$3" ] && [ "$growth" -le $((2048 + ${4:-0})) ]
  check $? "$1: $(($2 / 1024)) MB, then $(($3 / 1024)) MB ($growth kB more)"
}
# The resident size after the first minute of the program in $saver, and at the end of MINUTES.
sizes_over_the_run() {  # sets first and last
  sleep 60
  first=$(resident_kb)
  sleep $(((minutes - 1) * 60))
  last=$(resident_kb)
}

clear_settings
[ "$mode" = gdi ] && set_values UseDirectX=0
echo "== a full-screen run of $minutes minutes ($mode)"
start_saver /s
sizes_over_the_run
probe key >/dev/null
wait_exit "$saver" 10
allowed=0
if [ "$mode" = directx ]; then
  saver_first=$first saver_last=$last
  "$loader" "$bare_loop" directdraw >>"$work/saver.log" 2>&1 &
  saver=$!
  sizes_over_the_run
  xdotool key space
  wait_exit "$saver" 10 >/dev/null || kill "$saver" 2>/dev/null
  allowed=$((last - first))
  echo "   a bare DirectDraw loop as long: $((first / 1024)) MB, then $((last / 1024)) MB ($allowed kB more)"
  first=$saver_first last=$saver_last
fi
compare_sizes "resident size after 1 and after $minutes minutes" "$first" "$last" "$allowed"

echo "== the configuration sheet"
start_saver /c
drive wait
warm_up=$((cycles / 10))
for ((i = 1; i <= cycles; i++)); do
  drive click panel 1021
  drive click panel 1021
  [ $i = "$warm_up" ] && first=$(resident_kb)
done
compare_sizes "live preview on and off $cycles times" "$first" "$(resident_kb)"

drive command panel 1947
"$loader" "$driver" answer "Save preset as..." "Second" >/dev/null 2>>"$work/driver.log"
for ((i = 1; i <= cycles; i++)); do
  drive command panel 1046
  drive select panel 1050 $((i % 2))
  [ $i = "$warm_up" ] && first=$(resident_kb)
done
compare_sizes "preset toolbar used $cycles times" "$first" "$(resident_kb)"
drive cancel
wait_exit "$saver" 10
wine_session_end
