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
# RENDERER is how Wine draws the saver's DirectDraw screen: gdi (default), on
# the processor, as suits a display without a graphics card such as this
# virtual one; or gl, Wine's own default, through OpenGL (here in software),
# whose presenting of each frame makes Wine 8 itself grow by about 400 kB a
# minute, however the frame is handed over.
# Runs in a Wine prefix of its own, build/measure-memory-wine.
# Usage: scripts/measure-memory.sh [BUILD_DIR [MINUTES [CYCLES [RENDERER]]]]
#        (default build/win-x86_64, built beforehand)
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/win-x86_64}
minutes=${2:-10}
cycles=${3:-200}
renderer=${4:-gdi}
scr=$build/saver/win32/Emberlux.scr
driver=$build/tests/ConfigDriver.exe
[ -f "$scr" ] && [ -f "$driver" ] || { echo "measure-memory: build $build first"; exit 1; }

export EMBERLUX_TEST_WINEPREFIX=$PWD/build/measure-memory-wine
source tests/win32/wine-session.sh
wine_session_begin measure-memory "$scr" 3
wine_display 1920x1080+0+0
reg add 'HKCU\Software\Wine\Direct3D' /v renderer /t REG_SZ /d "$renderer" /f
drive() { "$loader" "$driver" "$@" >/dev/null 2>>"$work/driver.log"; }
resident_kb() { awk '$1 == "VmRSS:" {print $2}' "/proc/$saver/status" 2>/dev/null; }
# Prints the sizes and counts the check: at most 2 MB more at the end.
compare() {  # compare WHAT BEFORE_KB AFTER_KB
  local growth=$(($3 - $2))
  [ -n "$2" ] && [ -n "$3" ] && [ "$growth" -le 2048 ]
  check $? "$1: $(($2 / 1024)) MB, then $(($3 / 1024)) MB ($growth kB more)"
}

clear_settings
echo "== a full-screen run of $minutes minutes (Wine's $renderer renderer)"
start_saver /s
sleep 60
first=$(resident_kb)
sleep $(((minutes - 1) * 60))
compare "resident size after 1 and after $minutes minutes" "$first" "$(resident_kb)"
probe key >/dev/null
wait_exit 10

echo "== the configuration sheet"
start_saver /c
drive wait
warm_up=$((cycles / 10))
for ((i = 1; i <= cycles; i++)); do
  drive click panel 1021
  drive click panel 1021
  [ $i = "$warm_up" ] && first=$(resident_kb)
done
compare "live preview on and off $cycles times" "$first" "$(resident_kb)"

drive command panel 1947
"$loader" "$driver" answer "Save preset as..." "Second" >/dev/null 2>>"$work/driver.log"
for ((i = 1; i <= cycles; i++)); do
  drive command panel 1046
  drive select panel 1050 $((i % 2))
  [ $i = "$warm_up" ] && first=$(resident_kb)
done
compare "preset toolbar used $cycles times" "$first" "$(resident_kb)"
drive cancel
wait_exit 10
wine_session_end
