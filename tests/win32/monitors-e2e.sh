#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# End-to-end tests of Emberlux.scr under Wine on two monitors (Xephyr screens
# joined by Xinerama): a window with a fire of its own on each monitor, each
# monitor's own part of the desktop behind it, the ways to end a run from the
# second monitor, the password dialog on the primary monitor while both keep
# burning; then the second monitor on the left of the primary, at negative
# coordinates. Prints "monitors-e2e: N passed, N failed".
# Usage: tests/win32/monitors-e2e.sh BUILD_DIR   (a Windows build folder)
set -uo pipefail
cd "$(dirname "$0")/../.."
build=${1:?usage: monitors-e2e.sh BUILD_DIR}
source tests/win32/wine-session.sh
wine_session_begin monitors-e2e "$build/windows/saver/Emberlux.scr" 18

# On a display of two monitors (the primary first, as WxH+X+Y in X's
# coordinates): Windows sees them as MONITORS, and a run shows fire on both
# from one window on each, at WINDOWS ("LEFT TOP RIGHT BOTTOM" each).
# Leaves the run going; the lower parts of the monitors in $first_low, $second_low.
run_on_two() {  # run_on_two PRIMARY OTHER MONITORS WINDOWS
  wine_display "$1" "$2"
  first_low=$(lower_part "$1") second_low=$(lower_part "$2")
  local listed shown
  listed=$(probe monitors | tr '\n' ' ')
  [ "$listed" = "monitors 2 $3 " ]; check $? "Windows sees the two monitors ($listed)"
  clear_settings
  run_until_fire "$work/both.png" "$first_low" "$second_low"
  check $? "/s shows fire on both monitors" "($(region_colour "$work/both.png" "$first_low"); $(region_colour "$work/both.png" "$second_low"))"
  shown=$(probe windows | tr '\n' ' ')
  [ "$shown" = "$4 " ]; check $? "one window covers each monitor and takes input (${shown:-none; the probe: $(probe_said)})"
}
# The other monitor's picture differs from the primary's in more than 10000
# pixels, both from the primary's top left corner as it stands and from all of
# the primary's picture scaled to its size: one fire shown on both, or one
# stretched over both, matches in one of the two.
own_fires() {  # own_fires SCREENSHOT PRIMARY OTHER: the counts in $own_detail
  local size=${3%%+*} as_is scaled
  convert "$1" -crop "$3" +repage "$work/other.png" &&
    convert "$1" -crop "$size+${2#*+}" +repage "$work/corner.png" &&
    convert "$1" -crop "$2" +repage -resize "$size!" "$work/scaled.png" || { own_detail="no pictures"; return 1; }
  as_is=$(differing_pixels "$work/corner.png" "$work/other.png" 15%)
  scaled=$(differing_pixels "$work/scaled.png" "$work/other.png" 15%)
  own_detail="$as_is and $scaled pixels differ"
  [[ ${as_is%.*} =~ ^[0-9]+$ ]] && [[ ${scaled%.*} =~ ^[0-9]+$ ]] && [ "${as_is%.*}" -gt 10000 ] && [ "${scaled%.*}" -gt 10000 ]
}
lower_part() {  # the lower third of a monitor WxH+X+Y
  [[ $1 =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]]
  local w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]}
  echo "${w}x$((h / 3))+${BASH_REMATCH[3]}+$((BASH_REMATCH[4] + h - h / 3))"
}

echo "== two monitors: 800x600 primary, 640x480 on its right"
run_on_two 800x600+0+0 640x480+800+0 "monitor 0 0 800 600 primary monitor 800 0 1440 480" "0 0 800 600 800 0 1440 480"
animates $first_low && animates $second_low; check $? "both fires move"
own_fires "$work/both.png" 800x600+0+0 640x480+800+0
check $? "each monitor burns a fire of its own ($own_detail)"
end_with_key; check $? "a key ends the run and its process"
shows_no_fire "$work/after.png" $first_low $second_low
check $? "no fire is left on either monitor"

echo "== each monitor's own part of the desktop"
# A white desktop on the primary monitor and a black one on the other; the
# fire mixes the grey levels of what it photographed into its dark parts.
"$loader" "$probe_exe" backdrop 0,0,800,600,ffffff 800,0,640,480,000000 >"$work/backdrop.log" 2>&1 &
backdrop=$!
wait_until 30 eval 'screenshot "$work/desktop.png" && [ "$(brightness_of "$work/desktop.png" 700x150+50+50)" -gt 200 ]'
set_values FadeScreen=100 PaperBurn=0 FireWorkCount=0 FireBallCount=0
run_until_fire "$work/through.png" $first_low $second_low
parts() {
  screenshot "$work/through.png" || return 1
  first_left=$(brightness_of "$work/through.png" 300x150+50+50)
  first_right=$(brightness_of "$work/through.png" 300x150+450+50)
  second=$(brightness_of "$work/through.png" 540x150+850+50)
  [ "$first_left" -gt $((second + 60)) ] && [ "$first_right" -gt $((second + 60)) ]
}
first_left=none first_right=none second=none
wait_until 20 parts && looks_like_fire "$work/through.png" $second_low
check $? "over both fires, the primary shows its white desktop and the other its black one ($first_left $first_right; $second)"
end_with_key
kill "$backdrop"
wait "$backdrop" 2>/dev/null

echo "== ending a run from the second monitor"
clear_settings
xdotool mousemove 1100 240
run_until_fire "$work/click.png" $first_low $second_low
probe click 1100 240
wait_exit "$saver" 10; check $? "a click on the second monitor ends the run"
run_until_fire "$work/move.png" $first_low $second_low
past_start
probe mouse 1100 240
probe mouse 1116 240
wait_exit "$saver" 10; check $? "moving the mouse 16 pixels on the second monitor ends the run"

echo "== the password on two monitors"
# "ember", stored scrambled.
probe regset 'Software\Norvane\Emberlux!\Presets' Password c28efeb0c3
run_until_fire "$work/protected.png" $first_low $second_low
key_to_run
ask=$(wait_window '^Emberlux! screensaver$' 20)
[ -n "$ask" ]; check $? "a key asks for the password"
X=0 Y=0 WIDTH=0 HEIGHT=0
eval "$(xdotool getwindowgeometry --shell "${ask:-0}" 2>/dev/null)"
centre="$((X + WIDTH / 2)),$((Y + HEIGHT / 2))"
[ $(((X + WIDTH / 2 - 400) ** 2 + (Y + HEIGHT / 2 - 300) ** 2)) -le 100 ]
check $? "the dialog is centred on the primary monitor (at $centre)"
animates $first_low && animates $second_low; check $? "both monitors keep burning under the dialog"
type_into "$ask" ember
press "$ask" Return
wait_exit "$saver" 10; check $? "the password ends the run"

echo "== the second monitor on the left, at negative coordinates"
run_on_two 800x600+640+0 640x480+0+0 "monitor 0 0 800 600 primary monitor -640 0 0 480" "-640 0 0 480 0 0 800 600"
end_with_key; check $? "a key ends the run"
clear_settings

wine_session_end
