# SPDX-License-Identifier: GPL-2.0-or-later
# Virtual X displays of a script's own, each on a free display number.
#   start_xvfb WxH [ARG...]     starts Xvfb with one screen of WxH at 24 bits
#   start_x SERVER [ARG...]     starts another X server (Xephyr inside the
#                               display in $DISPLAY)
#       Either waits until the server is ready (it writes its number then):
#       its display in $x_display (":N"), its pid in $x_pid and added to
#       $x_servers; 1 when it did not start. Its output goes to $x_log
#       (default /dev/null).
#   stop_x_servers              ends the servers started so far
#   screen_size                 the size of the screen of $DISPLAY, WxH
#   windows_named [--viewable] REGEX
#                               the ids of the windows whose title matches
#                               REGEX (extended), one a line; with --viewable
#                               only the shown ones (needs $work)
source "$(dirname "${BASH_SOURCE[0]}")/waiting.sh"

start_x() {
  local number status
  number=$(mktemp) || return 1
  # The caller's arguments come last, so that they can take back a default (-listen tcp).
  "$1" -displayfd 3 -nolisten tcp "${@:2}" 3>"$number" >>"${x_log:-/dev/null}" 2>&1 &
  x_pid=$!
  x_servers="${x_servers:-} $x_pid"
  wait_until 30 test -s "$number"
  status=$?
  x_display=:$(cat "$number")
  rm -f "$number"
  return $status
}

start_xvfb() { start_x Xvfb -screen 0 "${1}x24" "${@:2}"; }

stop_x_servers() {
  [ -n "${x_servers:-}" ] && kill $x_servers 2>/dev/null
  x_servers=""
}

screen_size() { xdpyinfo | sed -n 's/.*dimensions: *\([0-9x]*\) pixels.*/\1/p'; }

# tests/tools/XWindowsNamed.cpp, built into $work on first use. The X tools'
# own searches (xdotool search, xwininfo -tree) end with an error, having
# found nothing, when any other window closes while they look.
windows_named() {
  local tool=$work/x-windows-named built
  if [ ! -x "$tool" ]; then
    built=$(mktemp "$work/x-windows-named.XXXXXX") &&
      c++ -std=c++17 -O1 -Wall -Wextra -Werror -o "$built" \
        "$(dirname "${BASH_SOURCE[0]}")/../../tests/tools/XWindowsNamed.cpp" -lX11 &&
      mv -f "$built" "$tool" || { echo "windows_named: cannot build $tool" >&2; return 2; }
  fi
  "$tool" "$@"
}
