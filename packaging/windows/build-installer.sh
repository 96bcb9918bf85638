#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the Windows installer from both Windows builds: the i686 screen saver
# first, then the x86_64 one and the installer around them. Prints the
# installer's path. With --amd64 it builds the 64-bit test installer instead
# (x86_64 build only).
# Usage: packaging/windows/build-installer.sh [--amd64]
set -euo pipefail
cd "$(dirname "$0")/../.."
jobs=${JOBS:-$(nproc)}
target=installer
if [ "${1:-}" = --amd64 ]; then
  target=installer-amd64
else
  cmake --preset win-i686 >/dev/null
  cmake --build build/win-i686 -j"$jobs" --target Emberlux >/dev/null
fi
cmake --preset win-x86_64 >/dev/null
cmake --build build/win-x86_64 -j"$jobs" --target "$target" >/dev/null
version=$(sed -n 's/^project(Emberlux VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
suffix=$([ "$target" = installer ] && echo "" || echo "-amd64")
echo "build/win-x86_64/Emberlux-$version-setup$suffix.exe"
