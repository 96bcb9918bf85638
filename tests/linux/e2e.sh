#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# End-to-end tests of the native saver in a virtual X display: the full-screen
# run and what ends it, the desktop behind the fire, drawing into a window of
# another program, the ordinary window, bad options, a broken settings file,
# the crackle recorded through SDL's disk audio driver, the way frames reach
# the screen (MIT-SHM, else XPutImage), and two monitors in a
# nested server. Prints "linux-e2e: N passed, N failed".
# Usage: tests/linux/e2e.sh [BUILD_DIR]   (a Linux build folder, default build/linux-release)
set -uo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/linux-release}
saver=$build/linux/emberlux
test_window=$build/tests/emberlux-test-window
source tests/linux/session.sh
session_begin linux-e2e

# Settings, turbulence cache and sound of the tests' own.
export XDG_CONFIG_HOME=$work/config TMPDIR=$work SDL_AUDIODRIVER=dummy

start_saver() {  # start_saver ARGS...: runs the saver in the background; its pid in $pid
  "$saver" "$@" 2>"$work/saver.err" &
  pid=$!
}
saver_windows() { windows_named '^Emberlux!$' | wc -l; }
# 0 when the saver still runs right before COMMAND, the input that should end
# it, which then runs: a saver that ends by itself after an earlier input
# fails here, not in the check of COMMAND.
running_before() {  # running_before COMMAND...
  local running=1
  kill -0 "$pid" 2>/dev/null && running=0
  "$@"
  return $running
}
# Deadlines: long enough for a loaded machine, and only reached by a failure.
ends=10

echo "== full screen"
start_saver
wait_for_fire "$work/full1.png" 30; check $? "the fire fills the screen" "($(region_colour "$work/full1.png" 1024x256+0+512))"
changed=0
moved() {
  screenshot "$work/full2.png" || return 1
  changed=$(differing_pixels "$work/full1.png" "$work/full2.png")
  [ "${changed%.*}" -gt 1000 ]
}
wait_until 10 moved; check $? "it moves (then $changed pixels differ)"
sleep 1  # movements and keys in the first second still count for keys; be past it anyway
[ "$(saver_windows)" = 1 ]; check $? "it shows one window until the key"
xdotool key space
wait_exit "$pid" $ends; check $? "a key ends it with exit code 0"

start_saver
wait_for_fire "$work/mouse.png" 30
sleep 1.2  # the first second after the start never ends a run
xdotool mousemove 500 400; sleep 0.3      # the first movement takes the reference point
xdotool mousemove 512 412; sleep 1.5      # 12 pixels away
running_before xdotool mousemove 530 412; check $? "a mouse movement of 12 pixels does not end it"
wait_exit "$pid" $ends; check $? "one of 30 pixels does, with exit code 0"

start_saver
wait_for_fire "$work/click.png" 30
xdotool click 1
wait_exit "$pid" $ends; check $? "a click ends it with exit code 0"

echo "== the desktop behind the fire"
"$test_window" root ffffff 0000ff
start_saver --set FadeScreen=100 --set PaperBurn=0
wait_for_fire "$work/desktop.png" 30
read -r lr lg lb <<<"$(region_colour "$work/desktop.png" 400x300+50+50)"
read -r rr rg rb <<<"$(region_colour "$work/desktop.png" 400x300+574+50)"
[ $((lr + lg + lb)) -gt $((rr + rg + rb + 240)) ]
check $? "the white half of the desktop shows brighter than the blue half" "(left $lr $lg $lb, right $rr $rg $rb)"
kill -TERM "$pid"; wait_exit "$pid" $ends

echo "== a window of another program"
"$test_window" root 808080 808080
"$test_window" 100 100 300 200 0000ff >"$work/window-id" &
helper=$!
wait_until 30 test -s "$work/window-id"
id=$(cat "$work/window-id")
start_saver --window-id "$id"
wait_for_fire "$work/wid1.png" 30 300x66+100+233; check $? "--window-id $id draws fire into the window"
read -r r g b <<<"$(region_colour "$work/wid1.png" 300x300+600+100)"
[ "$r $g $b" = "128 128 128" ]; check $? "and nothing around it" "($r $g $b)"
xdotool windowsize "$id" 600 400
wait_for_fire "$work/wid2.png" 30 200x100+480+380; check $? "it follows the window when it grows to 600x400"
sleep 1.2
xdotool mousemove 150 150 click 1 key space
sleep 1.5
running_before kill -TERM "$pid"; check $? "input does not end it"
wait_exit "$pid" $ends; check $? "SIGTERM ends it with exit code 0"
xwininfo -id "$id" >/dev/null 2>&1; check $? "the window it drew into is still there"
kill "$helper"; wait "$helper" 2>/dev/null

echo "== an ordinary window"
start_saver --window
wait_until 30 eval '[ "$(saver_windows)" = 1 ]'
window=$(windows_named '^Emberlux!$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"
wait_for_fire "$work/window.png" 30 "${WIDTH}x$((HEIGHT / 3))+$X+$((Y + 2 * HEIGHT / 3))"
check $? "--window shows the fire in a ${WIDTH}x$HEIGHT window"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)); sleep 1.2
xdotool click 1 key space; sleep 1.5
running_before xdotool key Escape; check $? "a click or a key other than Escape or Q leaves it running"
wait_exit "$pid" $ends; check $? "Escape ends it with exit code 0"

echo "== bad options"
for arguments in "--bogus" "--window-id nothing" "--delay -3" "--set NoSuchSetting=1" "--set-FireWorkCount"; do
  # shellcheck disable=SC2086
  "$saver" $arguments >"$work/bad.out" 2>"$work/bad.err"
  status=$?
  [ "$status" = 2 ] && [ "$(wc -l <"$work/bad.err")" = 1 ] && [ ! -s "$work/bad.out" ]
  check $? "'$arguments' exits with 2 and one line on stderr" "(exit $status: $(cat "$work/bad.err"))"
done
"$saver" --window-id 0x7fffff0 2>"$work/bad.err"
[ $? = 1 ] && [ "$(wc -l <"$work/bad.err")" = 1 ]; check $? "a window that does not exist: exit 1 and one line"

echo "== a broken settings file"
mkdir -p "$XDG_CONFIG_HOME/emberlux"
printf 'this is\0 not a hive\n' >"$XDG_CONFIG_HOME/emberlux/registry.reg"
start_saver
wait_for_fire "$work/broken.png" 30; check $? "a broken settings file still gives fire (the defaults)"
sleep 1
xdotool key space
wait_exit "$pid" $ends; check $? "and the run ends normally"
[ -f "$XDG_CONFIG_HOME/emberlux/registry.reg.bad" ]; check $? "the broken file is kept aside" "($(cat "$work/saver.err"))"
rm -rf "$XDG_CONFIG_HOME"

echo "== sound"
SDL_AUDIODRIVER=no-such-driver "$saver" --window 2>"$work/silent.err" &
pid=$!
sleep 3
kill -TERM "$pid"
wait_exit "$pid" $ends && [ ! -s "$work/silent.err" ]
check $? "no audio device: it runs silent, without a word on stderr" "($(head -c 300 "$work/silent.err"))"
# The crackle alone, recorded nine times faster than it plays.
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$work/sound.raw SDL_DISKAUDIODELAY=5 \
  "$saver" --window --set ExplosionSoundEnable=0 --set FireWorkCount=0 --set OlympicRings=0 2>/dev/null &
pid=$!
loop=resources/sounds/fire_loop.wav
# Three periods of the loop at 16 bits, after the start.
recorded() { [ "$(stat -c %s "$work/sound.raw" 2>/dev/null || echo 0)" -gt $((3 * 2 * ($(stat -c %s "$loop") - 44) + 100000)) ]; }
wait_until 60 recorded
kill -TERM "$pid"; wait_exit "$pid" $ends
python3 - "$loop" "$work/sound.raw" <<'EOF'
import array, sys
wave = open(sys.argv[1], "rb").read()
loop = [(b - 128) << 8 for b in wave[44:44 + int.from_bytes(wave[40:44], "little")]]
data = open(sys.argv[2], "rb").read()
recorded = array.array("h", data[: len(data) // 2 * 2])
start = next((i for i, v in enumerate(recorded) if v), None)
period = len(loop)
if start is None or len(recorded) < start + 2 * period:
    sys.exit("the recording holds no two periods of sound")
# SDL converts through floating point: a sample may be one or two off.
if any(abs(recorded[start + i] - loop[i % period]) > 2 for i in range(2 * period)):
    sys.exit("the recording is not the crackle loop")
if recorded[start:start + period] != recorded[start + period:start + 2 * period]:
    sys.exit("the second period differs from the first")
EOF
status=$?
check $status "SDL's disk driver records the crackle loop, twice over, each time whole"

echo "== the way frames reach the screen"
# With --fps the saver names it on stderr. A display without MIT-SHM, and one
# reached over TCP (whose server refuses to attach our memory), get the
# pictures sent with XPutImage; the fire shows every way.
way_on() {  # way_on DISPLAY ARGS...: the way the saver names there, once its fire shows (else "no fire")
  local way= deadline=$((SECONDS + 30))
  DISPLAY=$1 "$saver" "${@:2}" --fps 2>"$work/way.err" &
  pid=$!
  until [ -n "$way" ] || [ $SECONDS -ge $deadline ]; do
    sleep 0.1
    way=$(sed -n 's/^emberlux: frames reach the screen through //p' "$work/way.err")
  done
  DISPLAY=$1 wait_for_fire "$work/way.png" 30 || way="no fire"
  echo "${way:-no way named}"
  kill -TERM "$pid"; wait_exit "$pid" $ends
}
# What an earlier run drew into the root window stays there: start from black.
"$test_window" root 000000 000000
for arguments in "" "--window" "--root"; do
  way=$(way_on "$DISPLAY" $arguments)
  [ "$way" = MIT-SHM ]; check $? "'${arguments:-full screen} --fps' presents through MIT-SHM where no graphics card draws" "($way)"
done
if start_xvfb 640x480 -noreset -extension MIT-SHM; then
  way=$(way_on "$x_display" --root)
  [ "$way" = XPutImage ]; check $? "without MIT-SHM it sends its pictures with XPutImage" "($way)"
else
  check 1 "an Xvfb without MIT-SHM starts"
fi
if start_xvfb 640x480 -noreset -listen tcp; then
  way=$(way_on "localhost$x_display")
  [ "$way" = XPutImage ]; check $? "over TCP, where the server refuses our memory, it sends them with XPutImage" "($way)"
else
  check 1 "an Xvfb listening on TCP starts"
fi

echo "== two monitors"
if monitors_begin; then
  start_saver
  wait_for_fire "$work/mon.png" 30 800x200+0+400; check $? "the first monitor (800x600) shows fire"
  wait_for_fire "$work/mon.png" 30 640x160+800+320; check $? "the second monitor (640x480 on its right) shows fire"
  convert "$work/mon.png" -crop 640x480+0+0 +repage "$work/mon1.png"
  convert "$work/mon.png" -crop 640x480+800+0 +repage "$work/mon2.png"
  changed=$(differing_pixels "$work/mon1.png" "$work/mon2.png")
  [ "${changed%.*}" -gt 10000 ]; check $? "each burns its own fire ($changed pixels differ)"
  sleep 1
  [ "$(saver_windows)" = 2 ]; check $? "one window per monitor until the key"
  xdotool mousemove 400 300 key space
  wait_exit "$pid" $ends; check $? "a key ends both with exit code 0"
else
  check 1 "a nested X server with two monitors starts (Xephyr)"
fi

session_end
