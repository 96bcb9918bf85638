#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# End-to-end tests of the configuration sheet of Emberlux.scr (/c) under Wine
# in a virtual X display: the sheet and its pages with their controls, sliders,
# boxes and the preset toolbar changing the settings, OK writing them to the
# registry and Cancel discarding them, a new palette file, and the live
# preview. The controls are driven by tests/win32/ConfigDriver.exe.
# Prints "config-e2e: N passed, N failed".
# Usage: tests/win32/config-e2e.sh BUILD_DIR   (a Windows build folder)
set -uo pipefail
cd "$(dirname "$0")/../.."
build=${1:?usage: config-e2e.sh BUILD_DIR}
scr=$build/windows/saver/Emberlux.scr
driver=$build/tests/ConfigDriver.exe
key='HKCU\Software\Norvane\Emberlux!'

source tests/win32/wine-session.sh
wine_session_begin config-e2e "$scr" 37
wine_display

drive() { "$loader" "$driver" "$@" 2>>"$work/driver.log" | tr -d '\r'; }
# The value of a setting in the current preset's key (or the default preset).
stored() {  # stored NAME [PRESET]
  local path="$key\\Presets${2:+\\$2}"
  "$loader" reg query "$path" /v "$1" 2>/dev/null | tr -d '\r' | awk -v n="$1" '$1 == n {print $3}'
}
start_sheet() {
  start_saver /c
  drive wait
}
# waits until a control reads VALUE: posted clicks and commands take effect later
wait_value() {  # wait_value WHERE ID VALUE
  local where=$1 id=$2 value=$3
  wait_until 10 eval '[ "$(drive get "$where" "$id")" = "$value" ]'
}

reg delete "$key" /f
# Palette files go to a folder of this test.
mkdir -p "$work/install/Palettes"
install_path="$(windows_path "$work/install")\\"
reg add "$key" /v InstallPath /t REG_SZ /d "$install_path" /f

echo "== the sheet and its pages"
start_sheet; check $? "/c opens the configuration sheet"
drive has panel 1050 1080 1022 1021 1040 1043 1041 1042 1033 1059; check $? "the left panel has its controls"
drive has 0 1044 1045 1046 1047 1048 1049 1050 1061 1062 1063 1060; check $? "Effects page has its controls"
drive has 1 1050 1051 1052 1053 1054 1060; check $? "Flames page has its controls"
drive has 2 1057 1082 1081 1018 1062 1060; check $? "Color Palette page has its controls"
drive has 3 1000 1034 1035 1037 1038 1039 1064 1065 1066 1069 1068 1085 1086 1060; check $? "Burning Text page has its controls"

echo "== controls change the record"
[ "$(drive get panel 1041)" = 1 ] && drive click panel 1041 && wait_value panel 1041 0
list=$(drive items panel 1040 | tr '\n' ' ')
[ "$list" = "*Current 640x480 800x600 1024x768 " ]; check $? "without DirectX the sizes are Current, 640x480, 800x600, 1024x768 ($list)"
drive select panel 1040 2
list=$(drive items panel 1043 | tr '\n' ' ')
[ "$list" = "*Automatic Full Half Third Quarter " ]; check $? "Detail offers Automatic, Full, Half, Third, Quarter ($list)"
drive select panel 1043 2
drive slider 1 1053 40
drive slider 1 1052 63
[ "$(drive get 1 1052)" = 50 ]; check $? "the wave speed slider stops at 50"
drive slider 0 1045 40
drive slider 0 1044 70
[ "$(drive get 0 1045)" = 70 ]; check $? "moving Min above Max moves Max along"
[ "$(drive get 0 1061)" = "70-70" ]; check $? "the size label shows 70-70 ($(drive get 0 1061))"
drive slider 2 1018 0
[ "$(drive get 2 1062)" = Off ]; check $? "Desktop Screen at 0 shows Off"
drive slider 2 1018 30
[ "$(drive get 2 1062)" = "30%" ]; check $? "Desktop Screen at 30 shows 30%"
sound=$(drive get 1 1054)
drive click 1 1054
wait_value 1 1054 $((1 - sound))
drive settext 3 1000 "HELLO"
drive command 3 2183
drive click 3 1035
wait_until 10 eval '[ "$(drive items 3 1034)" = HELLO ]'; check $? "Add puts the typed line into the text list"

echo "== presets"
drive command panel 1947
drive answer "Save preset as..." 'bad\name'; check $? "Save as asks for the preset's name"
probe texts 'Emberlux!' | grep -qxF 'A preset name cannot contain a backslash (\).'
check $? "a name with a backslash is refused with a message"
probe press 'Emberlux!' 1
wait_until 10 eval '[ -z "$(window_named "^Emberlux!\$")" ]'
[ -n "$(window_named '^Save preset as...$')" ] && ! "$loader" reg query "$key\\Presets\\bad" >/dev/null 2>&1
check $? "and the prompt stays, with nothing stored"
drive answer "Save preset as..." "Night"
wait_until 10 "$loader" reg query "$key\\Presets\\Night" >/dev/null 2>&1
check $? "Save as writes the preset Night to the registry at once"
drive items panel 1050 | grep -qx '\*Night'; check $? "the preset list shows Night selected"

echo "== palettes"
drive page 2
drive command 2 1038
drive answer "Palette Name" "Sunset"
wait_until 10 eval '[ "$(stat -c %s "$work/install/Palettes/Sunset.pal" 2>/dev/null)" = 768 ]'
check $? "New makes Sunset.pal of 768 bytes in the palette folder ($(stat -c %s "$work/install/Palettes/Sunset.pal" 2>&1))"
drive items 2 1057 | grep -qx '\*Sunset.pal'; check $? "the new palette is listed and chosen"

echo "== live preview"
drive click panel 1021
wait_until 20 eval '[ "$(drive preview)" != none ]'; check $? "Auto-preview makes the preview window in frame 1022 ($(drive preview))"
sheet=$(window_named '^Emberlux! Screensaver')
eval "$(xdotool getwindowgeometry --shell "${sheet:-0}")"
preview_part=160x60+$((X + 40))+$((Y + 140))
wait_for_fire "$work/preview.png" 30 "$preview_part"; check $? "the preview area shows fire ($(region_colour "$work/preview.png" "$preview_part"))"

echo "== OK and Cancel"
drive page 0
drive ok
wait_exit "$saver" 10; check $? "OK closes the sheet"
[ "$(stored WaveLength Night)" = 0x28 ]; check $? "OK stores the wave length 40 ($(stored WaveLength Night))"
[ "$(stored FireBallInFireWorkMin Night)" = 0x46 ]; check $? "OK stores the firework minimum 70"
[ "$(stored WaveSpeed Night)" = 0x32 ]; check $? "OK stores the wave speed 50"
expected_sound=$((1 - sound))
[ "$(stored BackgroundSoundEnable Night)" = "0x$expected_sound" ]; check $? "the sound box reaches the registry"
[ "$(stored UseDirectX)" = 0x0 ]; check $? "the DirectX box reaches the registry"
[ "$(stored XRes)" = 0x320 ]; check $? "the chosen size 800x600 reaches the registry"
[ "$(stored RenderScale)" = 0x2 ]; check $? "Detail \"Half\" stores RenderScale 2 ($(stored RenderScale))"
"$loader" reg query "$key\\Presets\\Night" /v FireText 2>/dev/null | grep -q HELLO; check $? "the text line reaches the registry"
"$loader" reg query "$key\\Presets\\Night" /v Palette 2>/dev/null | grep -q 'Sunset.pal'; check $? "the chosen palette reaches the registry"

start_sheet
[ "$(drive get 1 1053)" = 40 ]; check $? "the sheet opens with the stored values"
drive slider 1 1053 80
[ "$(drive get 1 1053)" = 80 ]; check $? "the slider moves to 80"
drive cancel
wait_exit "$saver" 10; check $? "Cancel closes the sheet"
[ "$(stored WaveLength Night)" = 0x28 ]; check $? "Cancel discards the change"

wine_session_end
