# SPDX-License-Identifier: GPL-2.0-or-later
# Running our Windows programs under Wine.
#   wine_test_prefix        the tests' own Wine prefix (never the user's):
#                           build/wine-prefix of this checkout, or
#                           $EMBERLUX_TEST_WINEPREFIX; a script waits until
#                           no other one uses it
#   wine_quiet_audio [always]
#                           on a machine without a sound card (or always), Wine
#                           plays into a null ALSA device: its sound code runs,
#                           nothing is heard, and ALSA prints no errors about
#                           the missing card
#   wine_loader_of EXE      the Wine loader that runs EXE (64-bit or 32-bit);
#                           fails, saying why, when EXE is missing or not a
#                           Windows program
#   wine_default_loader     the 64-bit loader where it runs here, else the 32-bit one
#   wine_can_run LOADER     0 when this machine can start that loader
#   reg ARG...              Wine's reg tool through $WINELOADER, quiet
#   wine_boot_prefix [xinerama]
#                           readies $WINEPREFIX for the display in $DISPLAY;
#                           with $wine_keep_dir set, first keeps there what it
#                           changes, for wine_restore_prefix
#   wine_restore_prefix     puts that back
#   windows_path FILE       the path Windows programs under Wine see for FILE
lib_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

wine_test_prefix() {
  export WINEPREFIX=${EMBERLUX_TEST_WINEPREFIX:-$lib_dir/../../build/wine-prefix}
  export WINEDEBUG=${WINEDEBUG:--all}
  mkdir -p "$WINEPREFIX"
  WINEPREFIX=$(cd "$WINEPREFIX" && pwd)
  # One script at a time uses the prefix: another one's `wineserver -k` would
  # end this one's programs. A script this one starts shares its lock.
  if [ "${EMBERLUX_WINE_PREFIX_LOCKED:-}" != "$WINEPREFIX" ]; then
    exec {wine_prefix_lock}>"$WINEPREFIX/.in-use"
    flock -w 900 "$wine_prefix_lock" || { echo "$WINEPREFIX is still in use after 15 minutes" >&2; exit 1; }
    export EMBERLUX_WINE_PREFIX_LOCKED=$WINEPREFIX
  fi
}

wine_quiet_audio() {
  if [ "${1:-}" = always ] || ! grep -q '^ *[0-9]' /proc/asound/cards 2>/dev/null; then
    export ALSA_CONFIG_PATH=$lib_dir/../null-audio.conf
  fi
}

wine_loader_of() {
  case $(objdump -f "$1" 2>/dev/null | sed -n 's/.*file format //p') in
    pei-x86-64) echo /usr/lib/wine/wine64 ;;
    pei-i386) echo /usr/lib/wine/wine ;;
    *) echo "$1 is missing or is not a Windows program" >&2; return 1 ;;
  esac
}

wine_default_loader() {
  if wine_can_run /usr/lib/wine/wine64; then echo /usr/lib/wine/wine64; else echo /usr/lib/wine/wine; fi
}

wine_can_run() { "$1" --version >/dev/null 2>&1; }

reg() { "$WINELOADER" reg "$@" >/dev/null 2>&1; }

# Wine prepares a prefix on first use: done here, before anything is timed.
# With no window manager on a virtual display, Wine must not wait for one
# when a window goes (it would wait two seconds for each). Several screens
# (xinerama) come from Xinerama, which Wine reads only with XRandR off. The
# driver reads its settings when a session starts: the session is ended here.
# Both hold under set -e.
x11_driver='HKCU\Software\Wine\X11 Driver'
wine_boot_prefix() {
  "$WINELOADER" wineboot -i >/dev/null 2>&1 || true
  if [ -n "${wine_keep_dir:-}" ] && [ ! -e "$wine_keep_dir/x11-driver.kept" ]; then
    touch "$wine_keep_dir/x11-driver.kept"
    reg export "$x11_driver" "$(windows_path "$wine_keep_dir/x11-driver.reg")" /y || true  # no key: nothing kept
  fi
  reg add "$x11_driver" /v Managed /t REG_SZ /d N /f
  if [ "${1:-}" = xinerama ]; then
    reg add "$x11_driver" /v UseXRandR /t REG_SZ /d N /f
  else
    reg delete "$x11_driver" /v UseXRandR /f || true
  fi
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}

wine_restore_prefix() {
  [ -n "${wine_keep_dir:-}" ] && [ -e "$wine_keep_dir/x11-driver.kept" ] || return 0
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  reg delete "$x11_driver" /f || true
  if [ -f "$wine_keep_dir/x11-driver.reg" ]; then reg import "$(windows_path "$wine_keep_dir/x11-driver.reg")" || true; fi
  rm -f "$wine_keep_dir/x11-driver.kept" "$wine_keep_dir/x11-driver.reg"
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}

windows_path() { echo "Z:$(realpath -m "$1" | tr / '\\')"; }
