# SPDX-License-Identifier: GPL-2.0-or-later
# Sourced by the end-to-end scripts: a Wine session of the tests' own prefix
# on a virtual X display of its own, and the bookkeeping of the checks.
#   wine_session_begin NAME PROGRAM CHECKS
#       starts the session. A 32-bit PROGRAM on a machine that cannot run it
#       ends the script with "NAME: skipped CHECKS checks, this machine cannot
#       run 32-bit programs"; a 64-bit one that cannot start, or a PROGRAM
#       that is missing or not a Windows program, fails it.
#   wine_display [SCREEN...]
#       gives it a display: SCREENs are monitors WxH+X+Y (default one of
#       1024x768), shown by Xephyr inside Xvfb so that display modes can change;
#       the first is the primary monitor, at (0, 0) for Windows.
#   check RESULT DESCRIPTION [DETAIL]   counts one check (RESULT 0 passes)
#   wine_session_end    prints "NAME: N passed, N failed" and exits; running
#                       fewer checks than CHECKS is a failure
# Also: $loader (the Wine loader for PROGRAM), $work (a scratch folder),
# reg ARGS (Wine's reg tool, quiet), wait_until SECONDS COMMAND...,
# screenshots and the colours of their parts, and the saver's process and windows.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"

reg() { "$loader" reg "$@" >/dev/null 2>&1; }

# The result comes first: $? must be read before the description's own
# command substitutions change it.
check() {
  if [ "$1" = 0 ]; then passed=$((passed + 1)); echo "ok: $2"; else failed=$((failed + 1)); echo "FAILED: $2 ${3:-}"; fi
}

wait_until() {  # wait_until SECONDS COMMAND...: 0 once COMMAND succeeds, 1 when the time is up
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.2
  done
}

# A display of ours: the X server writes its number into FILE once it is ready.
start_x() {  # start_x FILE SERVER ARGS...: the server's pid in $x_pid
  local file=$1
  shift
  "$@" -displayfd 3 -nolisten tcp 3>"$file" >>"$work/x.log" 2>&1 &
  x_pid=$!
  wait_until 20 test -s "$file"
}

wine_session_begin() {
  session_name=$1
  program=$2
  probe_exe=$(dirname "$program")/../../tests/WinProbe.exe
  expected_checks=$3
  passed=0
  failed=0
  work=$(mktemp -d)
  wine_test_prefix
  wine_quiet_audio always
  if ! loader=$(wine_loader_of "$program"); then
    rm -rf "$work"
    echo "$session_name: cannot run $program"
    exit 1
  fi
  if ! wine_can_run "$loader"; then
    rm -rf "$work"
    if [ "$loader" = /usr/lib/wine/wine ]; then
      echo "$session_name: skipped $expected_checks checks, this machine cannot run 32-bit programs"
      exit 0
    fi
    echo "$session_name: cannot start Wine for $program"
    exit 1
  fi
  export WINELOADER=$loader
  trap 'kill $(jobs -p) 2>/dev/null; restore_x11_driver; wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
}

# The prefix's X11 Driver settings as they were before the session changed
# them (x11_saved is "key" or "none"), and put back as they were at its end:
# the next script to use the prefix must not find XRandR off.
x11_driver='HKCU\Software\Wine\X11 Driver'
save_x11_driver() {
  [ -n "${x11_saved:-}" ] && return
  x11_saved=none
  if "$loader" reg export "$x11_driver" "Z:$(tr / '\\' <<<"$work/x11-driver.reg")" /y >/dev/null 2>&1; then x11_saved=key; fi
}
restore_x11_driver() {
  [ -n "${x11_saved:-}" ] || return 0
  reg delete "$x11_driver" /f
  [ "$x11_saved" = key ] && reg import "Z:$(tr / '\\' <<<"$work/x11-driver.reg")"
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
}

# wine_display [SCREEN...]: a display of the SCREENs for the session, in place
# of the one it had.
wine_display() {
  local screens=("${@:-1024x768+0+0}") width=0 height=0 screen args=()
  for screen in "${screens[@]}"; do
    [[ $screen =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || { echo "bad screen $screen"; exit 1; }
    width=$((BASH_REMATCH[1] + BASH_REMATCH[3] > width ? BASH_REMATCH[1] + BASH_REMATCH[3] : width))
    height=$((BASH_REMATCH[2] + BASH_REMATCH[4] > height ? BASH_REMATCH[2] + BASH_REMATCH[4] : height))
    args+=(-origin "${BASH_REMATCH[3]},${BASH_REMATCH[4]}" -screen "${BASH_REMATCH[1]}x${BASH_REMATCH[2]}")
  done
  [ ${#screens[@]} -gt 1 ] && args+=(+xinerama)
  # A Wine session still running (from an earlier step or display) is tied to
  # its display: windows of ours would not appear on the new one.
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  [ -n "${x_servers:-}" ] && kill $x_servers 2>/dev/null
  rm -f "$work/host" "$work/display"
  start_x "$work/host" Xvfb -screen 0 "${width}x${height}x24" || { echo "$session_name: Xvfb did not start"; exit 1; }
  x_servers=$x_pid
  DISPLAY=:$(cat "$work/host") start_x "$work/display" Xephyr "${args[@]}" -ac ||
    { echo "$session_name: Xephyr did not start"; exit 1; }
  x_servers="$x_servers $x_pid"
  export DISPLAY=:$(cat "$work/display")
  # Wine prepares its prefix on first use; do it before anything is timed. With
  # no window manager on the virtual display, Wine must not wait for one when a
  # window goes (it would wait two seconds for each). Several screens come from
  # Xinerama, which Wine reads only with XRandR off.
  "$loader" wineboot -i >/dev/null 2>&1
  save_x11_driver
  reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
  if [ ${#screens[@]} -gt 1 ]; then
    reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f
  else
    reg delete 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /f
  fi
  # The driver reads its settings when the session starts. One session serves
  # all the programs of the script: a session that ended with its last program
  # would start anew with the next, and put the mouse back in the middle.
  wineserver -k
  wineserver -w
  wineserver -p
  "$loader" wineboot >/dev/null 2>&1
}

wine_session_end() {
  local ran=$((passed + failed))
  if [ "$ran" != "$expected_checks" ]; then
    failed=$((failed + 1))
    echo "FAILED: $ran of $expected_checks checks ran"
  fi
  echo "$session_name: $passed passed, $failed failed"
  [ "$failed" = 0 ]
  exit
}

# --- screenshots --------------------------------------------------------------
screen_size() { xdpyinfo | sed -n 's/.*dimensions: *\([0-9x]*\) pixels.*/\1/p'; }
shoot() { import -window root "$1" 2>/dev/null; }
# Mean colour of a part (WxH+X+Y) of a screenshot as "red green blue" (0..255).
colour_of() {
  convert "$1" -crop "$2" +repage -scale '1x1!' -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}
brightness_of() { read -r r g b <<<"$(colour_of "$1" "$2")"; echo $(((r + g + b) / 3)); }
looks_like_fire() {  # looks_like_fire FILE PART: red clearly above blue (a black or white part is no fire)
  local r g b
  read -r r g b <<<"$(colour_of "$1" "$2")"
  [ "$r" -gt 25 ] && [ "$r" -gt $((b + 20)) ]
}
# A new screenshot in FILE whose every PART was read and shows no fire; a
# screenshot or a part that cannot be read is a failure, not an absence of fire.
shows_no_fire() {  # shows_no_fire FILE PART...
  local file=$1 part colour
  shift
  shoot "$file" || return 1
  for part in "$@"; do
    colour=$(colour_of "$file" "$part") && [[ $colour =~ ^[0-9]+\ [0-9]+\ [0-9]+$ ]] || return 1
    ! looks_like_fire "$file" "$part" || return 1
  done
}
# Waits until every PART of the screen shows fire; the last screenshot stays in FILE.
wait_for_fire() {  # wait_for_fire FILE SECONDS PART...
  local file=$1 seconds=$2
  shift 2
  fire_everywhere() {
    shoot "$file" || return 1
    local part
    for part in "$@"; do looks_like_fire "$file" "$part" || return 1; done
  }
  wait_until "$seconds" fire_everywhere "$@"
}
# Two screenshots a second apart differ in more than 1000 pixels of PART.
animates() {  # animates PART
  shoot "$work/before.png" && sleep 1 && shoot "$work/after.png" || return 1
  local changed
  changed=$(convert "$work/before.png" "$work/after.png" -crop "$1" +repage miff:- |
    compare -metric AE - null: 2>&1 | cut -d' ' -f1)
  [ "${changed%.*}" -gt 1000 ]
}

# --- the program under test ---------------------------------------------------
start_saver() {  # start_saver SWITCH...: runs the program in the background; its pid in $saver
  "$loader" "$program" "$@" >>"$work/saver.log" 2>&1 &
  saver=$!
}
saver_alive() { kill -0 "$saver" 2>/dev/null; }
wait_exit() {  # 0 when the program ended in time with exit code 0; says why not
  local status
  if ! wait_until "$1" eval '! saver_alive'; then
    echo "  (the program still ran after $1 s)"
    kill "$saver"
    return 1
  fi
  wait "$saver"
  status=$?
  [ "$status" = 0 ] || echo "  (the program ended with exit code $status)"
  return "$status"
}
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
wait_window() {  # wait_window REGEX SECONDS: the window's id, or nothing
  local name=$1
  wait_until "$2" eval '[ -n "$(window_named "$name")" ]' && window_named "$name"
}
# Keys for a dialog go to its window directly: X would hand them to whatever
# window is under the pointer.
press() {  # press WINDOW KEY...
  xdotool key --window "$1" "${@:2}"
}
type_into() { xdotool type --window "$1" --delay 30 "$2"; }

# --- the saver's settings and a user's input ------------------------------------
presets='HKCU\Software\Norvane\Emberlux!\Presets'
clear_settings() { reg delete 'HKCU\Software\Norvane' /f; }
set_values() {  # set_values NAME=NUMBER...: values of the default preset
  local pair
  for pair in "$@"; do reg add "$presets" /v "${pair%%=*}" /t REG_DWORD /d "${pair#*=}" /f; done
}
# tests/win32/WinProbe.exe of the build; input goes through Windows itself,
# as X hands it to whichever window is under the pointer.
probe() { "$loader" "$probe_exe" "$@" 2>>"$work/probe.log" | tr -d '\r'; }
# Starts a full-screen run and waits for its window, then for fire on every
# PART: 0 when it is up. The screen can still show the fire of the run before
# (X keeps what a window left where nothing repaints it), so fire on the screen
# counts only once a window of this run is shown.
run_until_fire() {  # run_until_fire SCREENSHOT PART...
  local file=$1
  shift
  start_saver /s
  wait_until 60 eval '[ -n "$(probe windows)" ]' && wait_for_fire "$file" 60 "$@"
}
end_with_key() {
  probe key >/dev/null || { echo "  (no saver window to press a key in)"; return 1; }
  wait_exit 10
}
# Moves of the mouse count only once a run is a second old.
past_start() { sleep 1.5; }
