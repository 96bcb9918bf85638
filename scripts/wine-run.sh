#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs a Windows program of ours under Wine, in the tests' own Wine prefix,
# with the loader that matches it: the 64-bit loader for x86_64 programs, the
# 32-bit one for i686 programs. Exits 125 when this machine cannot run 32-bit
# programs at all; a 64-bit program that cannot start, or a file that is
# missing or not a Windows program, is an error.
set -euo pipefail
source "$(dirname "$0")/lib/wine.sh"
exe=$1
shift
wine_test_prefix
wine_quiet_audio always
loader=$(wine_loader_of "$exe") || exit 1
if ! wine_can_run "$loader"; then
  if [ "$loader" = /usr/lib/wine/wine ]; then
    echo "wine-run: this machine cannot run 32-bit programs; skipping $exe" >&2
    exit 125
  fi
  echo "wine-run: cannot start Wine for $exe" >&2
  exit 1
fi
export WINELOADER=$loader
exec "$loader" "$exe" "$@"
