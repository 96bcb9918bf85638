#!/usr/bin/env bash
# End-to-end tests of Emberlux.scr under Wine in a virtual X display: the
# full-screen run, the preview inside a host window, the password set with /a
# and asked for at the end of a run, preset cycling across runs, and a missing
# palette file or an unusable display mode. Prints "e2e: N passed, N failed".
# Usage: tests/win32/e2e.sh BUILD_DIR   (a Windows build folder, e.g. build/win-x86_64)
set -uo pipefail
cd "$(dirname "$0")/../.."
build=${1:?usage: e2e.sh BUILD_DIR}
scr=$build/saver/win32/Emberlux.scr
host=$build/tests/PreviewHost.exe
source tests/win32/wine-session.sh
wine_session_begin e2e "$scr"

screen_size() { xdpyinfo | sed -n 's/.*dimensions: *\([0-9x]*\) pixels.*/\1/p'; }
# Mean colour of the lower third of the screen as "red green blue" (0..255).
lower_colour() {
  convert "$1" -crop 1024x256+0+512 -scale '1x1!' -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}
looks_like_fire() {  # red clearly above blue, and bright enough
  read -r r g b <<<"$(lower_colour "$1")"
  [ "$r" -gt 60 ] && [ "$r" -gt $((b + 30)) ]
}
start_saver() {  # start_saver SWITCH...: runs the saver in the background; its pid in $saver
  "$loader" "$scr" "$@" >>"$work/saver.log" 2>&1 &
  saver=$!
}
# Waits until the screen shows fire (a first start of Wine can be slow); the
# last screenshot is left in FILE.
wait_for_fire() {  # wait_for_fire FILE SECONDS
  local deadline=$((SECONDS + $2))
  while [ $SECONDS -lt $deadline ]; do
    import -window root "$1" 2>/dev/null && looks_like_fire "$1" && return 0
    sleep 0.5
  done
  return 1
}
window_named() { xdotool search --name "$1" 2>/dev/null | head -n 1; }
wait_window() {  # wait_window REGEX SECONDS: the window id, or nothing
  local deadline=$((SECONDS + $2)) id
  while [ $SECONDS -lt $deadline ]; do
    id=$(window_named "$1")
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}
clear_settings() { reg delete 'HKCU\Software\Norvane' /f; }

size_before=$(screen_size)

echo "== full-screen run"
clear_settings
start_saver /s
wait_for_fire "$work/shot1.png" 30; check "/s shows fire in the lower part of the screen" $? "($(lower_colour "$work/shot1.png"))"
sleep 1
import -window root "$work/shot2.png"
changed=$(compare -metric AE "$work/shot1.png" "$work/shot2.png" null: 2>&1 | cut -d' ' -f1)
[ "${changed%.*}" -gt 1000 ]; check "/s animates (a second later $changed pixels differ)" $?
xdotool key space
wait_exit 2; check "a key press ends the run within two seconds with exit code 0" $?
[ "$(screen_size)" = "$size_before" ]; check "the display size is back to $size_before" $?

echo "== preview inside a host window"
host_out=$("$(wine_of "$host")" "$host" "Z:$(realpath "$scr" | tr / '\\')" 6000 | tr -d '\r')
echo "$host_out"
grep -q 'child EmberluxPreview "Preview" 240x180' <<<"$host_out"; check "/p makes the preview window inside the host, at its client size" $?
grep -q 'the saver ended with code 0' <<<"$host_out"; check "closing the host ends the preview run" $?

echo "== password"
clear_settings
start_saver /a
dialog=$(wait_window '^Change Password$' 20)
check "/a opens the change-password dialog" $([ -n "$dialog" ]; echo $?)
xdotool type --delay 50 ember; xdotool key Tab; xdotool type --delay 50 ember; xdotool key Return
box=$(wait_window '^Emberlux!$' 10)
check "setting a password says it was changed" $([ -n "$box" ]; echo $?)
xdotool key Return
wait_exit 10; check "/a ends and saves" $?
stored=$("$loader" reg query 'HKCU\Software\Norvane\Emberlux!\Presets' /v Password 2>/dev/null | tr -d '\r' | grep -c Password)
[ "$stored" -ge 1 ]; check "the password is stored under Presets\\Password" $?
"$loader" reg query 'HKCU\Software\Norvane\Emberlux!\Presets' /v Password 2>/dev/null | grep -q 'REG_SZ *ember$'
[ $? != 0 ]; check "the stored password is scrambled" $?

start_saver /s
wait_for_fire "$work/protected.png" 30
sleep 1.5
xdotool key space
ask=$(wait_window '^Emberlux! screensaver$' 10)
check "a key press asks for the password" $([ -n "$ask" ]; echo $?)
xdotool type --delay 50 wrong; xdotool key Return
invalid=$(wait_window '^Emberlux!$' 10)
check "a wrong password shows a message" $([ -n "$invalid" ]; echo $?)
xdotool key Return
sleep 1
kill -0 "$saver" 2>/dev/null; check "the fire goes on after a wrong password" $?
xdotool windowfocus "$ask" 2>/dev/null
sleep 0.5
xdotool key BackSpace BackSpace BackSpace BackSpace BackSpace; xdotool type --delay 50 ember; xdotool key Return
wait_exit 5; check "the right password ends the run" $?
[ "$(screen_size)" = "$size_before" ]; check "the display size is back after the protected run" $?

echo "== preset cycling"
clear_settings
for p in P1 P2 P3; do reg add "HKCU\\Software\\Norvane\\Emberlux!\\Presets\\$p" /v SparklesCount /t REG_DWORD /d 100 /f; done
reg add 'HKCU\Software\Norvane\Emberlux!\Presets' /v PrevRunPreset /t REG_DWORD /d 0 /f
shown=""
for run in 1 2 3 4; do
  start_saver /s
  wait_for_fire "$work/cycle.png" 30
  sleep 1.5
  xdotool key space
  wait_exit 5
  shown="$shown $("$loader" reg query 'HKCU\Software\Norvane\Emberlux!\Presets' /v CurrentPreset 2>/dev/null | tr -d '\r' | awk '/CurrentPreset/ {print $3}')"
done
[ "$shown" = " P3 P1 P2 P3" ]; check "successive runs show P3 P1 P2 P3 (showed:$shown)" $?

echo "== a palette file that is gone"
clear_settings
reg add 'HKCU\Software\Norvane\Emberlux!\Presets' /v Palette /t REG_SZ /d gone.pal /f
start_saver /s
wait_for_fire "$work/gone.png" 30; check "a missing palette file still gives fire (the built-in palette)" $?
sleep 1.5
xdotool key space
wait_exit 3; check "and the run ends normally" $?

echo "== a display mode the display cannot take"
clear_settings
reg add 'HKCU\Software\Norvane\Emberlux!\Presets' /v XRes /t REG_DWORD /d 800 /f
reg add 'HKCU\Software\Norvane\Emberlux!\Presets' /v YRes /t REG_DWORD /d 600 /f
reg add 'HKCU\Software\Norvane\Emberlux!\Presets' /v UseDirectX /t REG_DWORD /d 1 /f
start_saver /s
sleep 8
refused=$(window_named '^Emberlux!$')
if [ -n "$refused" ]; then
  xdotool key Return
  wait_exit 5; check "a refused mode ends with the quoted message" $?
else
  xdotool key space
  wait_exit 5; check "an 800x600 run on a 1024x768 display ends normally" $?
fi
[ "$(screen_size)" = "$size_before" ]; check "the display size is back after the mode change" $?
clear_settings

wine_session_end
