#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Makes an animated GIF of the fire small enough for the repository: keeps
# every STEP-th frame (slowing the frame delay to match, so the fire runs at
# the same speed), 64 colours, lossy LZW at 80 and gifsicle's best packing.
# The fire's gradients hide the loss; check the result by eye.
# Usage: scripts/optimise-gif.sh IN.gif OUT.gif [STEP]   (STEP defaults to 2)
set -euo pipefail
in=$1
out=$2
step=${3:-2}
full=$(mktemp --suffix=.gif)
trap 'rm -f "$full"' EXIT
# Whole frames on one colour table first: frames of an optimised GIF draw only
# what changed, and local colour tables keep gifsicle from undoing that.
gifsicle --no-warnings --colors 256 "$in" | gifsicle --unoptimize -o "$full"
count=$(gifsicle --info "$full" | grep -c '+ image #')
delay=$(gifsicle --info "$full" | sed -n 's/^ *delay \([0-9.]*\)s$/\1/p' | head -n 1 | awk '{print int($1 * 100 + 0.5)}')
mapfile -t frames < <(seq -f '#%g' 0 "$step" $((count - 1)))
gifsicle --delay $((delay * step)) --loopcount=forever "$full" "${frames[@]}" -O3 --colors 64 --lossy=80 -o "$out"
echo "$in: $(stat -c %s "$in") bytes, $count frames -> $out: $(stat -c %s "$out") bytes, ${#frames[@]} frames"
