#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# What the browser build costs beside the native one, on this machine and in
# one run: the frame time of the default fire at 1920x1080 in emberlux-frames
# under Node (the best level, SSSE3 on WebAssembly SIMD, and scalar) against
# the Linux build (its best level, and SSE2), each over 200 frames from a warm
# turbulence cache, the best of five runs with the start-up (a run of no
# frames) taken off; then the page's frame rate in headless Chromium.
# Usage: scripts/measure-web.sh [FRAMES]   (default 200; builds nothing)
set -euo pipefail
cd "$(dirname "$0")/.."
frames=${1:-200}
native=build/linux-release/tools/frames/emberlux-frames
web=build/web/tools/frames/emberlux-frames
cache=$(mktemp -d)
trap 'rm -rf "$cache"' EXIT
run=(--size 1920x1080 --seed 1 --cache-dir "$cache")
"$native" "${run[@]}" --frames 0 2>/dev/null  # builds the map the runs load

# The least wall time of five runs, in microseconds.
best() {
  local least=0 start took
  for _ in 1 2 3 4 5; do
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    took=$((($(date +%s%N) - start) / 1000))
    if [ "$least" = 0 ] || [ "$took" -lt "$least" ]; then least=$took; fi
  done
  echo "$least"
}

frame_time() {
  local empty full
  empty=$(best "$@" "${run[@]}" --frames 0)
  full=$(best "$@" "${run[@]}" --frames "$frames")
  echo $(((full - empty) / frames))
}

native_best=$(frame_time "$native")
echo "native, its best level: $native_best us a frame"
echo "native, SSE2: $(frame_time "$native" --passes sse2) us a frame"
web_best=$(frame_time "$web")
echo "Node, SSSE3 on WebAssembly SIMD: $web_best us a frame ($(awk "BEGIN { printf \"%.2f\", $web_best / $native_best }") x native)"
echo "Node, scalar: $(frame_time "$web" --passes scalar) us a frame"
node tests/web/page-frame-rate.js build/web 1920x1080 1280x720
