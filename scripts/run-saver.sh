#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the native saver and runs it on this display, full screen on every
# monitor: any key, a click or a mouse movement of more than 15 pixels ends
# it. Options go to the saver (--window, --fps, --set FireWorkCount=20, ...).
# On a machine with no display it runs in a virtual one for ten seconds and
# saves a screenshot as build/saver.png. The Windows saver under Wine:
# scripts/run-windows-saver.sh.
# Usage: scripts/run-saver.sh [OPTION]...
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${EMBERLUX_SKIP_INSTALL:-0}" != 1 ]; then
  bash scripts/install-deps.sh >/dev/null
fi
cmake --preset linux-release >/dev/null
cmake --build build/linux-release -j"$(nproc)" --target emberlux >/dev/null
saver=build/linux-release/linux/emberlux
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Starting $saver $*; any key ends it."
  exec "$saver" "$@"
fi
source scripts/lib/display.sh
source scripts/lib/pictures.sh
shot=$(realpath -m build/saver.png)
trap stop_x_servers EXIT
start_xvfb 1024x768 -noreset || { echo "run-saver: Xvfb did not start"; exit 1; }
export DISPLAY=$x_display
SDL_AUDIODRIVER=dummy "$saver" "$@" &
saver_pid=$!
sleep 10
screenshot "$shot"
xdotool key space
wait "$saver_pid" || true
echo "No display here: the saver ran for ten seconds in a virtual one. Its screen is in $shot"
