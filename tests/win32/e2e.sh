#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# End-to-end tests of Emberlux.scr under Wine on a virtual 1024x768 display:
# the full-screen run on both output paths and each way of ending it, a frame
# drawn by a render thread reaching the screen by itself, the desktop showing
# through the fire, the preview inside a host window, windows made over the
# paused DirectDraw fire as the password dialog is, the password set with
# /a and asked for at the end of a run, a password refused on a double-byte
# code page because it would not come back from the registry, preset cycling
# across runs, a missing palette file, and display modes that are changed and
# restored or refused, and a fire burnt at half size scaled up to the screen.
# Prints "e2e: N passed, N failed".
# Usage: tests/win32/e2e.sh BUILD_DIR   (a Windows build folder, e.g. build/win-x86_64)
set -uo pipefail
cd "$(dirname "$0")/../.."
build=${1:?usage: e2e.sh BUILD_DIR}
host=$build/tests/PreviewHost.exe
source tests/win32/wine-session.sh
wine_session_begin e2e "$build/windows/saver/Emberlux.scr" 45
wine_display

lower_part=1024x256+0+512
stored() { "$loader" reg query "$presets" /v "$1" 2>/dev/null | tr -d '\r' | awk -v n="$1" '$1 == n {print $3}'; }

echo "== a window over the paused DirectDraw fire"
# Under Wine, DirectDraw's frames are drawn by a thread of Wine's own; a window
# made while it still draws (the password dialog) can deadlock the program.
# A pause that does not wait for the drawing deadlocks within the 300 windows
# nearly always in a session no saver has run in yet, less readily after a
# run: so this comes first.
timeout 120 "$loader" "$build/tests/PausedFireHost.exe" >"$work/paused-fire.log" 2>&1
made=$(tr -d '\r' <"$work/paused-fire.log" | grep -E '^(made|no) ')
[ "$made" = "made 300 windows over the paused fire" ]; check $? "300 windows made over it, none hangs (${made:-it hung})"
# A program that hung holds the session's X connection: start a new session.
[ -n "$made" ] || wine_new_session

echo "== full-screen run"
clear_settings
run_until_fire "$work/fire.png" $lower_part; check $? "/s shows fire in the lower part of the screen" "($(region_colour "$work/fire.png" $lower_part))"
animates $lower_part; check $? "/s animates"
shown=$(probe windows | tr '\n' ' ')
[ "$shown" = "0 0 1024 768 " ]; check $? "its window covers the screen and takes input (${shown:-none; the probe: $(probe_said)})"
end_with_key; check $? "a key press ends the run with exit code 0"

echo "== a frame drawn by a render thread"
# The window's thread waits for messages all along, so only presenting itself
# can put the frame on the screen.
"$loader" "$build/tests/ThreadDrawHost.exe" >"$work/thread-draw.log" 2>&1 &
drawing=$!
drawn=none
green_on_screen() {
  screenshot "$work/thread-draw.png" && drawn=$(region_colour "$work/thread-draw.png" 200x200+412+284) && [ "$drawn" = "0 255 0" ]
}
wait_until 30 grep -qs '^presented' "$work/thread-draw.log" && wait_until 10 green_on_screen
check $? "reaches the screen while the window's thread is idle" "($drawn)"
kill "$drawing" 2>/dev/null
wait "$drawing" 2>/dev/null

echo "== other ways to end a run"
xdotool mousemove 512 384
run_until_fire "$work/mouse.png" $lower_part
past_start
# The first move sets where the mouse stood (where it is already); the second
# stays within 15 pixels of it on both axes.
probe mouse 512 384
probe mouse 497 399
! wait_until 2 eval '! saver_alive'; check $? "moving the mouse 15 pixels on both axes leaves the run going"
probe mouse 528 384
wait_exit "$saver" 10; check $? "moving it 16 pixels ends the run"

run_until_fire "$work/click.png" $lower_part
probe click 512 384
wait_exit "$saver" 10; check $? "a click ends the run"

run_until_fire "$work/focus.png" $lower_part
"$loader" "$probe_exe" activate >>"$work/probe.log" 2>&1 &
activator=$!
wait_exit "$saver" 10; check $? "another window taking the focus ends the run"
kill "$activator" 2>/dev/null
wait "$activator" 2>/dev/null

echo "== drawing through GDI"
set_values UseDirectX=0
run_until_fire "$work/gdi.png" $lower_part; check $? "with DirectX off the screen shows fire" "($(region_colour "$work/gdi.png" $lower_part))"
end_with_key; check $? "and a key ends the run"

echo "== a field smaller than the screen"
# Half the screen's size: unscaled, the fire would fill only the top left
# quarter and leave the lower corners black. DirectX stays on: a scaled
# field goes through GDI all the same.
clear_settings
set_values RenderScale=2
corners="256x128+0+640 256x128+768+640"
run_until_fire "$work/scaled.png" $corners
check $? "with RenderScale 2 the fire is scaled up into both lower corners" "($(region_colour "$work/scaled.png" 256x128+768+640))"
end_with_key; check $? "and a key ends the run"

echo "== the desktop behind the fire"
clear_settings
# A desktop of a white left half and a black right half; the fire mixes the
# desktop's grey levels into its dark parts.
"$loader" "$probe_exe" backdrop 0,0,512,768,ffffff 512,0,512,768,000000 >"$work/backdrop.log" 2>&1 &
backdrop=$!
shown() { screenshot "$work/desktop.png" && [ "$(brightness_of "$work/desktop.png" 400x200+50+50)" -gt 200 ]; }
wait_until 30 shown; check $? "the test desktop is on the screen"
set_values FadeScreen=100 PaperBurn=0 FireWorkCount=0 FireBallCount=0
left=none right=none
run_until_fire "$work/through.png" $lower_part
shows_through() {
  screenshot "$work/through.png" || return 1
  left=$(brightness_of "$work/through.png" 400x200+50+50)
  right=$(brightness_of "$work/through.png" 400x200+562+50)
  [ "$left" -gt $((right + 60)) ]
}
wait_until 20 shows_through; check $? "the desktop shows through the fire (white side $left, black side $right)"
end_with_key
kill "$backdrop"
wait "$backdrop" 2>/dev/null

echo "== preview inside a host window"
clear_settings
stop=$work/stop-preview
"$loader" "$host" "$(windows_path "$program")" "$(windows_path "$stop")" >"$work/host.log" 2>&1 &
hosting=$!
wait_until 30 grep -qs '^child' "$work/host.log"
grep -q 'child EmberluxPreview "Preview" 240x180' "$work/host.log"; check $? "/p makes the preview window inside the host, at its client size"
touch "$stop"
wait_until 20 eval '! kill -0 $hosting 2>/dev/null'
grep -q 'the saver ended with code 0' "$work/host.log"; check $? "closing the host ends the preview run" "$(tr -d '\r' <"$work/host.log")"
rm -f "$stop"
"$loader" "$host" --here "$(windows_path "$stop")" >"$work/here.log" 2>&1 &
wait_until 30 grep -qs '^client' "$work/here.log"
read -r _ x y _ <<<"$(tr -d '\r' <"$work/here.log" | grep '^client')"
wait_for_fire "$work/preview.png" 30 "240x60+$x+$((y + 120))"
check $? "the preview window draws fire ($(region_colour "$work/preview.png" "240x60+$x+$((y + 120))"))"
touch "$stop"

echo "== password"
clear_settings
start_saver /a
dialog=$(wait_window '^Change Password$' 30)
[ -n "$dialog" ]; check $? "/a opens the change-password dialog"
type_into "$dialog" ember
press "$dialog" Tab
type_into "$dialog" ember
press "$dialog" Return
probe texts 'Emberlux!' | grep -qx 'The password has been successfully changed.'
check $? "setting a password says it was changed"
probe press 'Emberlux!' 1
wait_exit "$saver" 10; check $? "/a ends and saves"
# "ember" XOR the key bytes A7 E3 9C D5 B1, and the terminating zero.
bytes=$(probe regbytes 'Software\Norvane\Emberlux!\Presets' Password)
[ "$bytes" = c28efeb0c300 ]; check $? "the password is stored scrambled (${bytes:-nothing})"

run_until_fire "$work/protected.png" $lower_part
key_to_run
ask=$(wait_window '^Emberlux! screensaver$' 20)
[ -n "$ask" ]; check $? "a key press asks for the password"
type_into "$ask" wrong
press "$ask" Return
probe texts 'Emberlux!' | grep -qx 'Invalid password.'; check $? "a wrong password shows \"Invalid password.\""
probe press 'Emberlux!' 1
wait_until 10 eval '[ -z "$(window_named "^Emberlux!\$")" ]'
saver_alive && [ -n "$(window_named '^Emberlux! screensaver$')" ]
check $? "after a wrong password the dialog stays and the run goes on"
probe press 'Emberlux! screensaver' 2
wait_until 10 eval '[ -z "$(window_named "^Emberlux! screensaver\$")" ]' && animates $lower_part
check $? "cancelling the dialog returns to the fire"
key_to_run
ask=$(wait_window '^Emberlux! screensaver$' 20)
type_into "$ask" ember
press "$ask" Return
wait_exit "$saver" 10; check $? "the right password ends the run"

echo "== a password on a double-byte code page"
# Under Japanese settings (code page 932) "ab" is stored as C6 81, and 81
# begins a two-byte character with nothing after it: the registry's text
# conversion would not give the password back. "fire" (C1 8A EE B0) comes back.
# A Japanese user's whole session runs under Japanese settings, so a session
# of its own does here: a program under other settings than its session's
# desktop may find that desktop gone and slow to come back.
mkdir -p "$work/locale"
localedef -i ja_JP -f UTF-8 "$work/locale/ja_JP.UTF-8" >>"$work/locale.log" 2>&1
in_japanese=(LOCPATH="$work/locale" LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8)
wine_new_session "${in_japanese[@]}"
japanese() {  # japanese WINDOWS_PROGRAM ARGS...: runs it under Japanese settings
  env "${in_japanese[@]}" "$loader" "$@"
}
change_password() {  # change_password TEXT: types it twice into /a's dialog and presses OK
  japanese "$program" /a >>"$work/saver.log" 2>&1 &
  saver=$!
  dialog=$(wait_window '^Change Password$' 30)
  type_into "$dialog" "$1"
  press "$dialog" Tab
  type_into "$dialog" "$1"
  press "$dialog" Return
}
clear_settings
change_password fire
probe texts 'Emberlux!' | grep -qx 'The password has been successfully changed.'
said=$?
probe press 'Emberlux!' 1
wait_exit "$saver" 10
bytes=$(japanese "$probe_exe" regbytes 'Software\Norvane\Emberlux!\Presets' Password 2>>"$work/probe.log" | tr -d '\r')
[ "$said" = 0 ] && [ "$bytes" = c18aeeb000 ]; check $? "a password that comes back is set (${bytes:-nothing})"
change_password ab
probe texts 'Emberlux!' | grep -q 'would not be read back as typed'
check $? "one that would not come back is refused with a message"
probe press 'Emberlux!' 1
probe press 'Change Password' 2
wait_exit "$saver" 10
bytes=$(japanese "$probe_exe" regbytes 'Software\Norvane\Emberlux!\Presets' Password 2>>"$work/probe.log" | tr -d '\r')
[ "$bytes" = c18aeeb000 ]; check $? "and the old password is kept (${bytes:-nothing})"
wine_new_session

echo "== preset cycling"
clear_settings
for p in P1 P2 P3; do reg add "$presets\\$p" /v SparklesCount /t REG_DWORD /d 100 /f; done
set_values PrevRunPreset=0
shown=""
for run in 1 2 3 4; do
  run_until_fire "$work/cycle.png" $lower_part
  end_with_key
  shown="$shown $(stored CurrentPreset)"
done
[ "$shown" = " P3 P1 P2 P3" ]; check $? "successive runs show P3 P1 P2 P3 (showed:$shown)"

echo "== a palette file that is gone"
clear_settings
reg add "$presets" /v Palette /t REG_SZ /d gone.pal /f
run_until_fire "$work/gone.png" $lower_part; check $? "a missing palette file still gives fire (the built-in palette)"
end_with_key; check $? "and the run ends normally"

echo "== display modes"
for directx in 1 0; do
  clear_settings
  set_values XRes=800 YRes=600 UseDirectX=$directx
  run_until_fire "$work/mode.png" 800x200+0+400
  check $? "an 800x600 run (DirectX $directx) shows fire"
  [ "$(screen_size)" = 800x600 ]; check $? "and switches the display to 800x600 ($(screen_size))"
  end_with_key; check $? "and ends with a key"
  [ "$(screen_size)" = 1024x768 ]; check $? "the display is back at 1024x768 after it ($(screen_size))"
done
clear_settings
set_values XRes=1000 YRes=700
start_saver /s
probe texts 'Emberlux!' | grep -q "^Can't create main screen saver window.$"
check $? "a mode the display cannot take is refused with the message to turn DirectX off"
probe press 'Emberlux!' 1
wait_exit "$saver" 10; check $? "and the run ends"
[ "$(screen_size)" = 1024x768 ]; check $? "leaving the display at 1024x768 ($(screen_size))"
clear_settings

wine_session_end
