#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The native saver under the real xscreensaver daemon in a virtual X display:
# with emberlux the one display mode, `xscreensaver-command -activate` shows
# its fire with the desktop (from the screenshot the daemon saved before it
# blanked the screen) behind it, and `-deactivate` ends the saver's process.
# The daemon launches no display mode for root, so under root the daemon and
# its commands run as an unprivileged user the script makes (and removes).
# Prints "xscreensaver-e2e: N passed, N failed".
# Usage: tests/linux/xscreensaver-e2e.sh [BUILD_DIR]   (default build/linux-release)
set -uo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/linux-release}
saver=$(realpath "$build/saver/sdl/emberlux")
test_window=$build/tests/emberlux-test-window
source tests/linux/session.sh
session_begin xscreensaver-e2e

if ! command -v xscreensaver >/dev/null; then
  check "xscreensaver is installed" 1
  session_end
fi

made_user=
if [ "$(id -u)" = 0 ]; then
  user=emberlux-e2e
  if ! id "$user" >/dev/null 2>&1; then
    useradd --create-home --shell /bin/sh "$user" || { check "an unprivileged user for the daemon" 1; session_end; }
    made_user=$user
  fi
  home=$(getent passwd "$user" | cut -d: -f6)
  as_user() { runuser -u "$user" -- env DISPLAY="$DISPLAY" HOME="$home" "$@"; }
else
  user=$(id -un)
  home=$work/home
  mkdir -p "$home"
  as_user() { env HOME="$home" "$@"; }
fi
rm -rf "$home/.config/emberlux"
chmod a+rx "$work"
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
for _ in $(seq 100); do as_user xscreensaver-command -time >/dev/null 2>&1 && break; sleep 0.1; done
daemon=$(pgrep -u "$user" -x xscreensaver | head -n 1)
trap 'kill "$daemon" "$daemon_runner" 2>/dev/null; [ -n "$made_user" ] && userdel -r "$made_user" 2>/dev/null;
      for pid in "${servers[@]}"; do kill "$pid" 2>/dev/null; done; rm -rf "$work"' EXIT
[ -n "$daemon" ]; check "the daemon runs as $user" $?

as_user xscreensaver-command -activate >/dev/null 2>&1
pid=
for _ in $(seq 100); do
  pid=$(pgrep -u "$user" -f "^$saver --root" | head -n 1)
  [ -n "$pid" ] && break
  sleep 0.1
done
[ -n "$pid" ]; check "-activate starts emberlux --root" $?
wait_for_fire "$work/active.png" 30 512x256+512+512; check "its fire burns on the blanked screen" $?
read -r lr lg lb <<<"$(region_colour "$work/active.png" 400x300+50+50)"
read -r rr rg rb <<<"$(region_colour "$work/active.png" 400x300+574+50)"
[ $((lr + lg + lb)) -gt $((rr + rg + rb + 240)) ]
check "the desktop the daemon saved shows behind the fire" $? "(left $lr $lg $lb, right $rr $rg $rb)"

as_user xscreensaver-command -deactivate >/dev/null 2>&1
ended=1
for _ in $(seq 50); do
  state=$(ps -o stat= -p "$pid" 2>/dev/null)
  [ -z "$state" ] || [ "${state:0:1}" = Z ] && { ended=0; break; }
  sleep 0.1
done
check "-deactivate ends its process" $ended
[ "$failed" = 0 ] || { echo "the daemon's log:"; cat "$work/daemon.log"; }

session_end
