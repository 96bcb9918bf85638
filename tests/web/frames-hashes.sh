#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The WebAssembly emberlux-frames under Node prints exactly the lines of every
# reference vector and golden file, with the scalar passes and with the SSE2
# and SSSE3 passes on WebAssembly SIMD. The runs are the commands of the two
# READMEs in tests/data, run as written there from the vectors folder.
# Usage: tests/web/frames-hashes.sh [BUILD_DIR]   (default build/web)
set -uo pipefail
cd "$(dirname "$0")/../.."
repo=$PWD
frames=$repo/${1:-build/web}/tools/frames/emberlux-frames
passed=0
failed=0
[ -x "$frames" ] || { echo "web-frames: no $frames"; echo "web-frames: 0 passed, 1 failed"; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The names the READMEs' commands use: the renderer, and cache folders that go with the scratch folder.
emberlux-frames() { "$frames" "$@"; }
mktemp() { command mktemp -p "$scratch" "$@"; }
for readme in tests/data/vectors/README.md tests/data/golden/README.md; do
  folder=$(dirname "$readme")
  while IFS='|' read -r _ file command _; do
    file=$(echo "$file" | tr -d ' ')
    command=$(echo "$command" | sed 's/^ *`//; s/` *$//; s#DATA/#'"$repo"'/tests/data/#g')
    for level in scalar sse2 ssse3; do
      if output=$(cd tests/data/vectors && eval "$command --passes $level" 2>/dev/null) &&
        [ "$output" = "$(cat "$folder/$file")" ]; then
        passed=$((passed + 1))
      else
        failed=$((failed + 1))
        echo "FAILED: $file at $level differs from the Linux lines"
        diff <(echo "$output") "$folder/$file" | head -3
      fi
    done
  done < <(grep '^| [a-z0-9-]*\.txt |' "$readme")
done
echo "web-frames: $passed passed, $failed failed"
[ "$failed" = 0 ] && [ "$passed" -gt 0 ]
