#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the headless renderer and burns the default fire into an animated GIF.
# Usage: scripts/render-fire.sh [WIDTHxHEIGHT] [FRAMES] [OUTPUT.gif]
set -euo pipefail
cd "$(dirname "$0")/.."
size=${1:-640x480}
frames=${2:-300}
output=$(realpath -m "${3:-build/fire.gif}")
if [ "${EMBERLUX_SKIP_INSTALL:-0}" != 1 ]; then
  bash scripts/install-deps.sh >/dev/null
fi
cmake --preset linux-release >/dev/null
cmake --build build/linux-release -j"$(nproc)" --target emberlux-frames >/dev/null
build/linux-release/tools/frames/emberlux-frames --size "$size" --frames "$frames" --gif "$output"
echo "The fire is in $output ($size, $frames frames)."
