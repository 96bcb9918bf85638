# SPDX-License-Identifier: GPL-2.0-or-later
# Sourced by the native saver's end-to-end scripts: a virtual X display of
# their own, and the bookkeeping of the checks (scripts/lib).
#   session_begin NAME          starts Xvfb; $work is a scratch folder
#   monitors_begin              starts a nested display with two monitors side by
#                               side (800x600 and 640x480) and makes it $DISPLAY
#   session_end                 prints "NAME: N passed, N failed" and exits
# Also what scripts/lib/checks.sh, waiting.sh, display.sh and pictures.sh
# give; fire is red above 60 and above blue by more than 30.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/checks.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/display.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/pictures.sh"
fire_red=60
fire_margin=30

# The displays keep their state when their last client leaves (-noreset): a
# desktop picture must outlive the program that painted it.
session_begin() {
  session_name=$1
  work=$(mktemp -d)
  trap 'stop_x_servers; rm -rf "$work"' EXIT
  start_xvfb 1024x768 -noreset || { echo "$session_name: Xvfb did not start"; exit 1; }
  export DISPLAY=$x_display
  # A build with sanitizers checks every memory access, but no leaks at the
  # end: the system's GL driver and D-Bus leave memory behind that no
  # suppression can name once they are unloaded, and the leak scan of a
  # process with the GL driver loaded takes longer than the second a run has to end.
  export ASAN_OPTIONS=detect_leaks=0
}

monitors_begin() {
  start_xvfb 2000x1000 -noreset || return 1
  DISPLAY=$x_display start_x Xephyr -screen 800x600+0+0 -screen 640x480+800+0 +xinerama -ac -noreset || return 1
  export DISPLAY=$x_display
}

session_end() { checks_end "$session_name"; }
