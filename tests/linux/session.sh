# SPDX-License-Identifier: GPL-2.0-or-later
# Sourced by the native saver's end-to-end scripts: a virtual X display of
# their own, pictures of its screen, and the bookkeeping of the checks.
#   session_begin NAME          starts Xvfb; $work is a scratch folder
#   monitors_begin              starts a nested display with two monitors side by
#                               side (800x600 and 640x480) and makes it $DISPLAY
#   check DESCRIPTION RESULT [DETAIL]   counts one check (RESULT 0 passes)
#   session_end                 prints "NAME: N passed, N failed" and exits
# Also: shot FILE, region_colour FILE GEOMETRY, looks_like_fire FILE [GEOMETRY],
# wait_for_fire FILE SECONDS [GEOMETRY], wait_until SECONDS COMMAND...,
# wait_exit PID SECONDS.

check() {
  if [ "$2" = 0 ]; then passed=$((passed + 1)); echo "ok: $1"; else failed=$((failed + 1)); echo "FAILED: $1 ${3:-}"; fi
}

shot() { import -window root "$1" 2>/dev/null; }

# Mean colour of a part of a picture as "red green blue" (0..255).
region_colour() {
  convert "$1" -crop "$2" +repage -scale '1x1!' -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}

# Fire: red clearly above blue and bright enough, by default in the lower third.
looks_like_fire() {
  local geometry=${2:-$(convert "$1" -format '%w''x%[fx:int(h/3)]+0+%[fx:int(2*h/3)]' info:)}
  read -r r g b <<<"$(region_colour "$1" "$geometry")"
  [ "$r" -gt 60 ] && [ "$r" -gt $((b + 30)) ]
}

wait_for_fire() {  # wait_for_fire FILE SECONDS [GEOMETRY]: the last screenshot stays in FILE
  local deadline=$((SECONDS + $2))
  while [ $SECONDS -lt $deadline ]; do
    shot "$1" && looks_like_fire "$1" "${3:-}" && return 0
    sleep 0.3
  done
  return 1
}

wait_until() {  # wait_until SECONDS COMMAND...: 0 once COMMAND succeeds, 1 when the time is up
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.1
  done
}

# 0 when the process ended within SECONDS with exit code 0; killed otherwise.
wait_exit() {
  local pid=$1
  wait_until "$2" eval "! kill -0 $pid 2>/dev/null"
  if kill -0 "$pid" 2>/dev/null; then
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 1
  fi
  wait "$pid"
}

# A virtual display on a free number, which the server writes once it is ready;
# it keeps its state when its last client leaves (a desktop picture must
# outlive the program that painted it).
start_display() {  # start_display FILE COMMAND...: the pid in $started
  "${@:2}" -displayfd 3 3>"$1" >/dev/null 2>&1 &
  started=$!
  wait_until 30 test -s "$1"
}

session_begin() {
  session_name=$1
  passed=0
  failed=0
  servers=()
  work=$(mktemp -d)
  trap 'for pid in "${servers[@]}"; do kill "$pid" 2>/dev/null; done; rm -rf "$work"' EXIT
  start_display "$work/display" Xvfb -screen 0 1024x768x24 -nolisten tcp -noreset || { echo "$session_name: Xvfb did not start"; exit 1; }
  servers+=("$started")
  export DISPLAY=:$(cat "$work/display")
  outer_display=$DISPLAY
  # A build with sanitizers checks every memory access, but no leaks at the
  # end: the system's GL driver and D-Bus leave memory behind that no
  # suppression can name once they are unloaded, and the leak scan of a
  # process with the GL driver loaded takes longer than the second a run has to end.
  export ASAN_OPTIONS=detect_leaks=0
}

monitors_begin() {
  start_display "$work/outer" Xvfb -screen 0 2000x1000x24 -nolisten tcp -noreset || return 1
  servers+=("$started")
  DISPLAY=:$(cat "$work/outer") start_display "$work/nested" \
    Xephyr -screen 800x600+0+0 -screen 640x480+800+0 +xinerama -ac -nolisten tcp -noreset || return 1
  servers+=("$started")
  export DISPLAY=:$(cat "$work/nested")
}

session_end() {
  echo "$session_name: $passed passed, $failed failed"
  [ "$failed" = 0 ]
  exit
}
