# SPDX-License-Identifier: GPL-2.0-or-later
# Sourced by the scripts that run our Windows programs under Wine.
#   wine_test_prefix        the tests' own Wine prefix (never the user's): build/wine-prefix
#                           of this checkout, or $EMBERLUX_TEST_WINEPREFIX
#   wine_quiet_audio [always]
#                           on a machine without a sound card (or always), Wine plays
#                           into a null ALSA device: its sound code runs, nothing is
#                           heard, and ALSA prints no errors about the missing card
#   wine_loader_of EXE      the Wine loader that runs EXE (64-bit or 32-bit); fails,
#                           saying why, when EXE is missing or not a Windows program
#   wine_can_run LOADER     0 when this machine can start that loader
wine_env_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

wine_test_prefix() {
  export WINEPREFIX=${EMBERLUX_TEST_WINEPREFIX:-$wine_env_dir/../build/wine-prefix}
  export WINEDEBUG=${WINEDEBUG:--all}
  mkdir -p "$WINEPREFIX"
  WINEPREFIX=$(cd "$WINEPREFIX" && pwd)
}

wine_quiet_audio() {
  if [ "${1:-}" = always ] || ! grep -q '^ *[0-9]' /proc/asound/cards 2>/dev/null; then
    export ALSA_CONFIG_PATH=$wine_env_dir/null-audio.conf
  fi
}

wine_loader_of() {
  case $(objdump -f "$1" 2>/dev/null | sed -n 's/.*file format //p') in
    pei-x86-64) echo /usr/lib/wine/wine64 ;;
    pei-i386) echo /usr/lib/wine/wine ;;
    *) echo "$1 is missing or is not a Windows program" >&2; return 1 ;;
  esac
}

wine_can_run() { "$1" --version >/dev/null 2>&1; }
