#!/usr/bin/env bash
# One seed must give the same frames on every build: runs the same non-trivial
# fire (fireworks, paper burn, desktop blend at 2, colour cycling, 160 frames)
# with the Linux renderer and with the Windows renderers under Wine, and
# compares their hash lines.
set -uo pipefail
cd "$(dirname "$0")/.."
args=(--size 200x150 --frames 160 --seed 42 --set TransitionOn=0 --set OlympicRings=0 --set FireWorkCount=10
      --set FadeScreen=2 --set CycleColors=1 --hash)
reference=$(build/linux-release/tools/frames/emberlux-frames "${args[@]}") || { echo "Linux renderer failed"; exit 1; }
status=0
for arch in win-x86_64 win-i686; do
  output=$(scripts/wine-run.sh "build/$arch/tools/frames/emberlux-frames.exe" "${args[@]}")
  code=$?
  if [ "$code" = 125 ]; then echo "cross-platform hashes: $arch skipped (no 32-bit support here)"; continue; fi
  if [ "$code" != 0 ] || [ "$output" != "$reference" ]; then
    echo "cross-platform hashes: $arch differs from Linux"
    diff <(echo "$reference") <(echo "$output") | head -5
    status=1
  else
    echo "cross-platform hashes: $arch matches Linux ($(echo "$output" | wc -l) frames)"
  fi
done
exit $status
