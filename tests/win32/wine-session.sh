# SPDX-License-Identifier: GPL-2.0-or-later
# Sourced by the end-to-end scripts of the Windows saver: the Wine session of
# scripts/lib/wine-session.sh and what the tests do with the saver's windows
# and dialogs.
#   window_named REGEX, wait_window REGEX SECONDS   a shown window's id
#   press WINDOW KEY..., type_into WINDOW TEXT      a user at a dialog (typing waits
#                                                   until the dialog takes the keyboard)
#   run_until_fire SCREENSHOT PART...   starts a full-screen run, 0 once it is up
#   key_to_run                          presses a key in the run's window
#   end_with_key                        ends the run with a key press
#   past_start                          waits until moves of the mouse count
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/wine-session.sh"

window_named() { windows_named --viewable "$1" | head -n 1; }
wait_window() {  # the window's id, or nothing
  local name=$1
  wait_until "$2" eval '[ -n "$(window_named "$name")" ]' && window_named "$name"
}
# Keys for a dialog go to its window directly: X would hand them to whatever
# window is under the pointer. Wine hands a key to the window that holds the
# keyboard then, so typing waits until the dialog does: a window is shown a
# moment before it is made the active one.
press() { xdotool key --window "$1" "${@:2}"; }
type_into() {
  probe focused "$(xdotool getwindowname "$1")" || echo "  (the window never took the keyboard)"
  xdotool type --window "$1" --delay 30 "$2"
}

# Starts a full-screen run and waits for its window, then for fire on every
# PART. The screen can still show the fire of the run before (X keeps what a
# window left where nothing repaints it), so fire on the screen counts only
# once a window of this run is shown.
run_until_fire() {
  local file=$1
  shift
  start_saver /s
  wait_until 60 eval '[ -n "$(probe windows)" ]' && wait_for_fire "$file" 60 "$@"
}
key_to_run() { probe key >/dev/null || { echo "  (no saver window to press a key in)"; return 1; }; }
end_with_key() { key_to_run && wait_exit "$saver" 10; }
# Moves of the mouse count only once a run is a second old.
past_start() { sleep 1.5; }
