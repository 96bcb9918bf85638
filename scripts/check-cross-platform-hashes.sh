#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# One seed must give the same frames on every build: runs the same fires with
# the Linux renderer and with the Windows renderers under Wine and compares
# their hash lines. The first run has fireworks, the paper burn, the desktop
# blend at 2 and colour cycling; the second is the full default fire with its
# turbulence map (built from an empty cache), flaming text and New Year scene.
# Each run on each Windows build, and on the WebAssembly build at each of its
# pass levels, is one check; an i686 build on a machine that
# cannot run 32-bit programs is a skipped one. Prints
# "cross-platform-hashes: N passed, N failed" (", N skipped" after it when some were).
set -uo pipefail
cd "$(dirname "$0")/.."
runs=(
  "--size 200x150 --frames 160 --seed 42 --set TransitionOn=0 --set OlympicRings=0 --set FireWorkCount=10 --set FadeScreen=2 --set CycleColors=1 --hash"
  "--size 240x180 --frames 400 --seed 11 --set FireText=Emberlux --set FireTextBurnType=0 --hash"
)
source scripts/lib/checks.sh
for run in "${runs[@]}"; do
  read -r -a args <<<"$run"
  cache=$(mktemp -d)
  reference=$(build/linux-release/tools/frames/emberlux-frames "${args[@]}" --cache-dir "$cache" 2>/dev/null) ||
    { echo "FAILED: the Linux renderer for: $run"; exit 1; }
  for arch in win-x86_64 win-i686; do
    rm -f "$cache"/*
    output=$(scripts/wine-run.sh "build/$arch/tools/frames/emberlux-frames.exe" "${args[@]}" --cache-dir "$cache" 2>/dev/null)
    code=$?
    if [ "$code" = 125 ]; then
      count_skip 1 "$arch for: $run (this machine cannot run 32-bit programs)"
    elif [ "$code" != 0 ] || [ "$output" != "$reference" ]; then
      count_fail "$arch differs from Linux for: $run"
      diff <(echo "$reference") <(echo "$output") | head -5
    else
      count_pass 1 "$arch matches Linux ($(echo "$output" | wc -l) frames of: $run)"
    fi
  done
  # The WebAssembly renderer under Node, at each of its pass levels, draws them too.
  for level in scalar sse2 ssse3; do
    rm -f "$cache"/*
    output=$(build/web/tools/frames/emberlux-frames "${args[@]}" --cache-dir "$cache" --passes $level 2>/dev/null)
    [ "$output" = "$reference" ]
    check $? "web ($level) matches Linux for: $run"
  done
  rm -rf "$cache"
done
checks_end cross-platform-hashes
