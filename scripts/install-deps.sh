#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs what building and testing Emberlux! needs on Debian: compilers for
# Linux and for Windows (MinGW-w64), test and benchmark libraries, the picture
# libraries of the renderer, Wine with a virtual X display for the Windows
# builds (and the locale sources the Windows tests build a Japanese locale
# from), and emscripten with Chromium for the WebAssembly build and its page.
# Runs apt as root, through sudo when needed.
set -euo pipefail
as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

packages=(build-essential cmake pkg-config clang libclang-rt-dev googletest libgtest-dev libbenchmark-dev libgif-dev libpng-dev
          libsdl2-dev libx11-dev libxext-dev libxinerama-dev xscreensaver python3
          mingw-w64 nsis wine wine64 xvfb xserver-xephyr xauth xdotool imagemagick x11-utils locales
          emscripten node-acorn chromium)
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
fi
as_root apt-get update
# 32-bit Wine changes display modes only with the 32-bit XRandR library, which
# it merely recommends (as it does those of the other X extensions), and draws
# through DirectDraw only with 32-bit OpenGL: without it the i686 saver falls
# back to GDI, and its DirectDraw runs would test GDI.
wine32_x_libraries=(libxrandr2:i386 libxinerama1:i386 libxcursor1:i386 libxi6:i386 libxrender1:i386 libxfixes3:i386
                    libxcomposite1:i386 libxxf86vm1:i386 libgl1:i386 libglx-mesa0:i386 libgl1-mesa-dri:i386)
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${packages[@]}" wine32:i386 \
  "${wine32_x_libraries[@]}"
