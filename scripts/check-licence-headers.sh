#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Lists every source file of the repository that lacks the line
# "SPDX-License-Identifier: GPL-2.0-or-later" among its first five lines and
# exits 1 when there is any.
#
# Source files are the tracked files people write and a comment can hold:
# C and C++ (.c .cc .cpp .h .hpp), CMake (CMakeLists.txt, .cmake), shell (.sh),
# Python (.py), Windows resource scripts (.rc), installer scripts (.nsi .nsh),
# the page's JavaScript, HTML and style sheets (.js .html .css) and any other
# file that starts with "#!" (.ci/run). Data (pictures, sounds,
# fonts, palettes, reference vectors and golden hashes), documentation,
# licence texts and JSON (which has no comments) do not count.
# Usage: scripts/check-licence-headers.sh [REPOSITORY]   (default: this one)
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
tag='SPDX-License-Identifier: GPL-2.0-or-later'

is_source() {
  case "$1" in
    *.c | *.cc | *.cpp | *.h | *.hpp | *.cmake | */CMakeLists.txt | CMakeLists.txt | *.sh | *.py | *.rc | *.nsi | *.nsh | \
      *.js | *.html | *.css)
      return 0 ;;
    tests/data/* | *.txt | *.md | *.json | *.png | *.gif | *.bmp | *.ico | *.wav | *.pal | *.fnt | *.bin | *.ppm)
      return 1 ;;
  esac
  [ "$(head -c 2 "$1" | tr -d '\0')" = '#!' ]
}

checked=0
missing=0
while IFS= read -r -d '' file; do
  [ -f "$file" ] || continue
  is_source "$file" || continue
  checked=$((checked + 1))
  if ! head -n 5 "$file" | grep -qF "$tag"; then
    echo "$file"
    missing=$((missing + 1))
  fi
done < <(git ls-files -z)

echo "licence headers: $checked source files, $missing without \"$tag\"" >&2
[ "$missing" = 0 ]
