#!/usr/bin/env bash
# Runs a Windows program of ours under Wine with the loader that matches it:
# the 64-bit loader for x86_64 programs, the 32-bit one for i686 programs.
# Exits 125 when this machine cannot run 32-bit programs at all.
set -euo pipefail
exe=$1
shift
export WINEDEBUG=${WINEDEBUG:--all}
export WINEPREFIX=${WINEPREFIX:-$HOME/.wine-emberlux}
if objdump -f "$exe" 2>/dev/null | grep -q 'pei-x86-64'; then
  export WINELOADER=/usr/lib/wine/wine64
  exec /usr/lib/wine/wine64 "$exe" "$@"
fi
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo "wine-run: this machine cannot run 32-bit programs; skipping $exe" >&2
  exit 125
fi
exec /usr/lib/wine/wine "$exe" "$@"
