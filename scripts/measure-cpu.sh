#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Measures what the running savers cost, each for SECONDS (default 10), and
# prints the share of one core taken by the saver and by the X server:
#   - Emberlux.scr under Wine in a virtual display of 1920x1080 and of
#     3840x2160, with a new installation's settings (the automatic render scale
#     burns a 1920x1080 field on the larger screen), beside the X server and
#     wineserver. At 1920x1080 it is measured in DirectX mode (a new
#     installation's: Wine draws its 8-bit DirectDraw screen through OpenGL,
#     in software on a display without a graphics card such as this virtual
#     one) and with DirectX mode off (GDI); the larger screen is drawn through
#     GDI either way. Each run is measured twice:
#     from 3 s after the fire starts, while the desktop burns away (for about
#     17 s), and from 20 s on, once it has burnt. Then PresentLoop.exe
#     (tools/present-loop) draws a new frame as often on the same screen the same
#     way, and nothing else: what Wine's drawing costs by itself;
#   - the native saver with a new installation's settings, full screen, in
#     the root window and in an ordinary window, on virtual displays of
#     1920x1080 and 3840x2160, from 20 s after its start (the desktop has
#     burnt), with the way its frames reach the screen; then `xflame -root`
#     (Debian's xscreensaver-data-extra, installed here when missing) on the
#     same display;
#   - both unpaced in the root window of a 1920x1080 display with their frame
#     rates shown; the corners with the rates are kept in build/measure-cpu/.
# PART is windows, native or all (the default). EMBERLUX_NATIVE names another
# build of the native saver to measure (for figures before a change).
# Not a test: the figures depend on the machine.
# Usage: scripts/measure-cpu.sh [SECONDS [PART]]
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
part=${2:-all}
scr=build/win-x86_64/windows/saver/Emberlux.scr
present_loop=build/win-x86_64/tools/present-loop/PresentLoop.exe
native=${EMBERLUX_NATIVE:-build/linux-release/linux/emberlux}
frames=build/linux-release/tools/frames/emberlux-frames
xflame=/usr/libexec/xscreensaver/xflame
case $part in
  all | windows | native) ;;
  *) echo "usage: scripts/measure-cpu.sh [SECONDS [all|windows|native]]" >&2; exit 2 ;;
esac
if [ "$part" != native ]; then
  [ -f "$scr" ] && [ -f "$present_loop" ] || {
    cmake --preset win-x86_64 >/dev/null &&
      cmake --build build/win-x86_64 --target Emberlux PresentLoop -j"$(nproc)" >/dev/null
  } || exit 1
  [ -x "$frames" ] || {
    cmake --preset linux-release >/dev/null && cmake --build build/linux-release --target emberlux-frames -j"$(nproc)" >/dev/null
  } || exit 1
fi
if [ "$part" != windows ]; then
  [ -x "$native" ] || {
    cmake --preset linux-release >/dev/null && cmake --build build/linux-release --target emberlux -j"$(nproc)" >/dev/null
  } || exit 1
  if [ ! -x "$xflame" ]; then
    as_root=()
    [ "$(id -u)" = 0 ] || as_root=(sudo)
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends xscreensaver-data-extra >/dev/null
  fi
fi
source scripts/lib/display.sh
source scripts/lib/pictures.sh
source scripts/lib/wine.sh
if [ "$part" != native ]; then
  WINELOADER=$(wine_loader_of "$scr") || exit 1
  export WINEDEBUG=-all WINEPREFIX=$PWD/build/measure-wine WINELOADER
  wine=$WINELOADER
fi
ticks=$(getconf CLK_TCK)

# The wineserver of our prefix (others may run beside it on the machine).
our_wineserver() {
  local pid
  for pid in $(pgrep -f wineserver); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && { echo "$pid"; return; }
  done
  echo 0
}
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }
share() { awk -v t="$1" -v hz="$ticks" -v s="$seconds" 'BEGIN { printf "%5.1f%%", 100 * t / hz / s }'; }

# The share of one core each process takes over the next SECONDS.
sample() {  # sample LABEL PROGRAM_PID XSERVER_PID [WINESERVER_PID]
  local s0 x0 w0 s1 x1 w1 wineserver=
  s0=$(cpu_ticks "$2"); x0=$(cpu_ticks "$3"); w0=$(cpu_ticks "${4:-0}")
  sleep "$seconds"
  s1=$(cpu_ticks "$2"); x1=$(cpu_ticks "$3"); w1=$(cpu_ticks "${4:-0}")
  [ -n "${4:-}" ] && wineserver="   wineserver $(share $((w1 - w0)))"
  printf '%-64s %s   X server %s%s   (of one core, %s s)\n' "$1" \
    "$(share $((s1 - s0)))" "$(share $((x1 - x0)))" "$wineserver" "$seconds"
}

measure() {  # measure WxH DIRECTX (1 as a new installation, 0 for DirectX mode off)
  local size=$1 directx=$2 mode='new installation' xvfb saver
  [ "$directx" = 1 ] || mode='DirectX off'
  start_xvfb "$size" || return 1
  xvfb=$x_pid
  export DISPLAY=$x_display
  wineserver -k 2>/dev/null; wineserver -w 2>/dev/null
  wine_boot_prefix
  reg add 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d '' /f
  reg delete 'HKCU\Software\Norvane' /f
  [ "$directx" = 1 ] || reg add 'HKCU\Software\Norvane\Emberlux!\Presets' /v UseDirectX /t REG_DWORD /d 0 /f
  # The first run at a field size builds its turbulence map: the renderer
  # keeps the map of the field the saver will burn where the saver looks for
  # it, so that the measures start with the fire.
  local field
  field=$("$frames" --field-of "$size") &&
    "$frames" --size "$field" --frames 0 --cache-dir "$WINEPREFIX/drive_c/users/$(id -un)/Temp/" || return 1
  "$wine" "$scr" /s >/dev/null 2>&1 &
  saver=$!
  # A new installation's desktop burns away for about 17 s from the start.
  local started=$SECONDS server
  server=$(our_wineserver)
  sleep 3
  sample "Emberlux.scr $size $mode while the desktop burns" "$saver" "$xvfb" "$server"
  sleep $((started + 20 - SECONDS > 0 ? started + 20 - SECONDS : 0))
  sample "Emberlux.scr $size $mode once it has burnt" "$saver" "$xvfb" "$server"
  xdotool key space
  sleep 2
  kill "$saver" 2>/dev/null
  # What Wine's drawing alone costs on the same screen: the saver draws
  # through DirectDraw only in DirectX mode at the screen's own size.
  local way=gdi loop
  [ "$directx" = 1 ] && [ "$field" = "$size" ] && way=directdraw
  "$wine" "$present_loop" "$way" >/dev/null 2>&1 &
  loop=$!
  sleep 3
  sample "PresentLoop.exe $size $way, drawing frames only" "$loop" "$xvfb" "$server"
  kill "$loop" 2>/dev/null
  wineserver -k 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
}

# A native saver with a new installation's settings on a virtual WxH
# display, from 20 s after its start, beside the X server; with --fps the
# first line it writes names the way its frames reach the screen.
measure_native() {  # measure_native WxH LABEL PROGRAM ARGS...
  local size=$1 label=$2 xvfb program way config window
  shift 2
  start_xvfb "$size" || return 1
  xvfb=$x_pid
  export DISPLAY=$x_display
  config=$(mktemp -d)
  XDG_CONFIG_HOME=$config TMPDIR=$config SDL_AUDIODRIVER=dummy "$@" 2>"$config/err" &
  program=$!
  sleep 20
  way=$(sed -n 's/^emberlux: frames reach the screen through //p' "$config/err" | head -n 1)
  sample "$label $size${way:+ ($way)}" "$program" "$xvfb"
  # The corner with the frame rate, to tell a saver starved of time from a light one.
  window=$(xdotool search --name '^Emberlux!$' 2>/dev/null | head -n 1)
  import -window "${window:-root}" -crop 640x100+0+0 "build/measure-cpu/$(tr -c 'a-z0-9\n' - <<<"$label")-$size.png" 2>/dev/null
  kill "$program" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$config"
}

# Unpaced in the root window of a 1920x1080 display, the frame rate shown.
measure_unpaced() {  # measure_unpaced NAME PROGRAM ARGS...
  local name=$1 xvfb program t0 t1
  shift
  start_xvfb 1920x1080 || return 1
  xvfb=$x_pid
  export DISPLAY=$x_display
  "$@" >/dev/null 2>&1 &
  program=$!
  sleep 3
  t0=$(cpu_ticks "$program")
  sleep "$seconds"
  t1=$(cpu_ticks "$program")
  screenshot "build/measure-cpu/$name-top.png" 400x120+0+0
  screenshot "build/measure-cpu/$name-bottom.png" 400x120+0+960
  printf '%-12s 1920x1080  unpaced, %s of one core; its frame rate: build/measure-cpu/%s-*.png\n' "$name" \
    "$(share $((t1 - t0)))" "$name"
  kill "$program" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
}

echo "cpu: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
if [ "$part" != native ]; then
  measure 1920x1080 1
  measure 1920x1080 0
  measure 3840x2160 1
fi
if [ "$part" != windows ]; then
  mkdir -p build/measure-cpu
  for size in 1920x1080 3840x2160; do
    measure_native "$size" "emberlux full screen" "$native" --fps
    measure_native "$size" "emberlux --root" "$native" --root --fps
    measure_native "$size" "emberlux --window" "$native" --window --fps
    measure_native "$size" "xflame -root" "$xflame" -root
  done
  measure_unpaced emberlux "$native" --root --delay 0 --fps
  measure_unpaced xflame "$xflame" -root -delay 0 -fps
fi
echo "load at the end: $(cut -d" " -f1-3 /proc/loadavg)"
