#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The native saver under the real xscreensaver daemon in a virtual X display:
# with emberlux the one display mode, `xscreensaver-command -activate` shows
# its fire with the desktop (from the screenshot the daemon saved before it
# blanked the screen) behind it, and `-deactivate` ends the saver's process.
# The daemon launches no display mode for root, so under root the daemon and
# its commands run as an unprivileged system user the script makes for this
# run alone and removes at its end (one left by a run that was killed is
# removed by the next, once none of its processes is left). The saver the
# daemon runs is a copy in the scratch folder, which that user can read
# wherever the checkout lies.
# Prints "xscreensaver-e2e: N passed, N failed".
# Usage: tests/linux/xscreensaver-e2e.sh [BUILD_DIR]   (default build/linux-release)
set -uo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/linux-release}
test_window=$build/tests/emberlux-test-window
source tests/linux/session.sh
session_begin xscreensaver-e2e

if ! command -v xscreensaver >/dev/null; then
  check 1 "xscreensaver is installed"
  session_end
fi

made_user=
daemon=
daemon_runner=
cleanup() {
  [ -n "$daemon$daemon_runner" ] && kill $daemon $daemon_runner 2>/dev/null && wait $daemon_runner 2>/dev/null
  if [ -n "$made_user" ]; then
    wait_until 10 eval "! pgrep -u $made_user >/dev/null"
    userdel "$made_user" 2>/dev/null
  fi
  stop_x_servers
  rm -rf "$work"
}
trap cleanup EXIT
chmod 711 "$work"
home=$work/home
if [ "$(id -u)" = 0 ]; then
  for leftover in $(getent passwd | cut -d: -f1 | grep '^emberlux-e2e'); do
    pgrep -u "$leftover" >/dev/null || userdel -r "$leftover" 2>/dev/null || userdel "$leftover" 2>/dev/null
  done
  user=emberlux-e2e-$$
  useradd --system --home-dir "$home" --create-home --shell /bin/sh "$user" ||
    { check 1 "an unprivileged user for the daemon"; session_end; }
  made_user=$user
  as_user() { runuser -u "$user" -- env DISPLAY="$DISPLAY" HOME="$home" "$@"; }
else
  user=$(id -un)
  mkdir -p "$home"
  as_user() { env HOME="$home" "$@"; }
fi
saver=$work/emberlux
install -m 755 "$build/linux/emberlux" "$saver"
cat >"$work/xscreensaver" <<EOF
mode:		one
selected:	0
timeout:	0:30:00
lock:		False
fade:		False
unfade:		False
splash:		False
dpmsEnabled:	False
programs:	$saver --root --set FadeScreen=100 --set PaperBurn=0 \n
EOF
install -m 644 -o "$user" "$work/xscreensaver" "$home/.xscreensaver"

# A desktop to be photographed: white on the left, blue on the right.
"$test_window" root ffffff 0000ff

as_user xscreensaver --no-splash --verbose >"$work/daemon.log" 2>&1 &
daemon_runner=$!
wait_until 30 eval 'as_user xscreensaver-command -time >/dev/null 2>&1'
daemon=$(pgrep -u "$user" -x xscreensaver | head -n 1)
[ -n "$daemon" ]; check $? "the daemon runs as $user"

as_user xscreensaver-command -activate >/dev/null 2>&1
pid=
started() {
  pid=$(pgrep -u "$user" -f "^$saver --root" | head -n 1)
  [ -n "$pid" ]
}
wait_until 30 started; check $? "-activate starts emberlux --root"
wait_for_fire "$work/active.png" 30 512x256+512+512; check $? "its fire burns on the blanked screen"
read -r lr lg lb <<<"$(region_colour "$work/active.png" 400x300+50+50)"
read -r rr rg rb <<<"$(region_colour "$work/active.png" 400x300+574+50)"
[ $((lr + lg + lb)) -gt $((rr + rg + rb + 240)) ]
check $? "the desktop the daemon saved shows behind the fire" "(left $lr $lg $lb, right $rr $rg $rb)"

as_user xscreensaver-command -deactivate >/dev/null 2>&1
ended() {
  local state
  state=$(ps -o stat= -p "$pid" 2>/dev/null)
  [ -z "$state" ] || [ "${state:0:1}" = Z ]
}
[ -n "$pid" ] && wait_until 10 ended; check $? "-deactivate ends its process"
[ "$failed" = 0 ] || { echo "the daemon's log:"; cat "$work/daemon.log"; }

session_end
