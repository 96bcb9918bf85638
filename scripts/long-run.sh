#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs the fire engine at 64x48 with every effect on for FRAMES frames
# (default 10 million) in emberlux-frames built with UndefinedBehaviorSanitizer
# (optimised, stopping at the first report). Along the way the random cursor
# passes 2^31 and 2^32 several times, the New Year scene comes back every
# 1300 frames and the frame counter runs far beyond anything a test reaches.
# Ends with "long run: N frames in S s, no report" and the last frame's hash,
# or "long run: FAILED ..." and a non-zero exit.
set -uo pipefail
cd "$(dirname "$0")/.."
frames=${1:-10000000}
case $frames in '' | *[!0-9]*) echo "usage: scripts/long-run.sh [FRAMES]" >&2; exit 2 ;; esac

build=$PWD/build/long-run
if ! { cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DEMBERLUX_TESTS=OFF -DEMBERLUX_BENCHMARKS=OFF \
         -DCMAKE_CXX_FLAGS="-fsanitize=undefined,float-cast-overflow -fno-sanitize-recover=all -fno-omit-frame-pointer" \
         -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=undefined" >/dev/null &&
       cmake --build "$build" --target emberlux-frames -j"$(nproc)" >/dev/null; }; then
  echo "long run: FAILED to build emberlux-frames with UndefinedBehaviorSanitizer"
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A desktop to show through the fire and to burn: a smooth 80 x 60 picture.
python3 -c '
import sys
w, h = 80, 60
pixels = bytes(v for y in range(h) for x in range(w) for v in ((x * 3) % 256, (y * 4) % 256, ((x + y) * 2) % 256))
sys.stdout.buffer.write(b"P6\n%d %d\n255\n" % (w, h) + pixels)' >"$work/desktop.ppm"

started=$(date +%s)
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 "$build/tools/frames/emberlux-frames" \
  --size 64x48 --frames "$frames" --seed 2024 --hash --desktop "$work/desktop.ppm" --cache-dir "$work" \
  --set SparklesCount=500 --set FireBallCount=20 --set FireWorkCount=40 \
  --set FireBallInFireWorkMin=0 --set FireBallInFireWorkMax=100 --set FadeScreen=60 --set FadeBottom=1 \
  --set TransitionOn=1 --set WaveEnable=1 --set WaveLength=19 --set WaveSpeed=50 --set OlympicRings=1 \
  --set PaperBurn=1 --set CycleColors=1 --set FireTextEnable=1 --set FireTextBurnType=0 --set FireTextOrbit=2 \
  --set TextSequence=1 --set FireTextSpeed=255 --set 'FireText=Emberlux!\nHappy New Year\nLong run\n' \
  2>"$work/stderr" | tail -n 1 >"$work/last"
status=${PIPESTATUS[0]}
seconds=$(( $(date +%s) - started ))
if [ "$status" != 0 ] || grep -q "runtime error" "$work/stderr"; then
  grep -v "turbulence map" "$work/stderr" | head -20
  echo "long run: FAILED after $seconds s (exit $status)"
  exit 1
fi
echo "last frame: $(cat "$work/last")"
echo "long run: $frames frames in $seconds s, no report"
