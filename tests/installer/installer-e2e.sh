#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# End-to-end test of the Windows installer under Wine: a silent install into a
# fresh 64-bit prefix (and a 32-bit one where this machine runs 32-bit
# programs), the installed files, palettes and registry values, the installed
# saver showing fire in a sample palette, the settings sheet listing the
# sample palettes (also for a user without InstallPath of their own), and a
# silent uninstall that leaves nothing it made behind.
#
# The released installer is a 32-bit program. Where 32-bit programs cannot run
# its checks are skipped, and the test takes the same script built as a
# 64-bit program (installer-amd64), which installs the same things on 64-bit
# Windows: its checks say "stand-in" and count as its own, never as the
# released installer's.
# Prints "installer: N passed, N failed" (", N skipped" after it when some
# were); exits non-zero on any failure.
# Usage: tests/installer/installer-e2e.sh
set -uo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
source scripts/lib/checks.sh
source scripts/lib/display.sh
source scripts/lib/pictures.sh
source scripts/lib/wine.sh
suite_checks=18  # the checks of one suite

runs_32bit() { wine_can_run /usr/lib/wine/wine; }
stand_in=""
if runs_32bit; then
  setup=$(packaging/windows/build-installer.sh) || { echo "building the installer failed"; exit 1; }
else
  setup=$(packaging/windows/build-installer.sh --amd64) || { echo "building the installer failed"; exit 1; }
  stand_in=$(basename "$setup")
  check_prefix="stand-in: "  # every check of its suite says so
fi
# The program that reads the settings sheet's palette list, for each prefix.
build_driver() {  # build_driver PRESET
  { cmake --preset "$1" && cmake --build "build/$1" --target ConfigDriver; } >/dev/null ||
    { echo "building ConfigDriver ($1) failed"; exit 1; }
}
build_driver win-x86_64
runs_32bit && build_driver win-i686
palette_dir=$root/resources/palettes
palette_count=$(find "$palette_dir" -name '*.pal' | wc -l)

work=$(mktemp -d /tmp/emberlux-installer.XXXXXX)
prefix=""  # the prefix of the suite that runs: the only Wine session ours to end
cleanup() {
  [ -n "$prefix" ] && WINEPREFIX=$prefix wineserver -k 2>/dev/null
  stop_x_servers
  rm -rf "$work"
}
trap cleanup EXIT
x_log=$work/xvfb.log
start_xvfb 1024x768 || { echo "installer: Xvfb did not start"; exit 1; }
export DISPLAY=$x_display WINEDEBUG=-all

lower_third=1024x256+0+512
# A screenshot whose lower third is bright blue fire.
blue_fire() {
  local r g b
  screenshot "$1" || return 1
  read -r r g b <<<"$(region_colour "$1" $lower_third)"
  [ "$b" -gt 60 ] && [ "$b" -gt $((r + 30)) ]
}
reg_value() {  # reg_value KEY NAME: the data of a registry value, or nothing
  "$loader" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
reg_has_key() { "$loader" reg query "$1" >/dev/null 2>&1; }
# The palette names the settings sheet lists, one a line, without "-- Default --".
sheet_palettes() {
  "$loader" "$scr_windows" /c >>"$work/saver.log" 2>&1 &
  local sheet=$!
  "$loader" "$driver" wait >/dev/null 2>&1 || { kill "$sheet"; return 1; }
  # The pages fill their lists as the sheet starts: wait for the palette list.
  local names=""
  listed() {
    names=$("$loader" "$driver" items 2 1057 2>/dev/null | tr -d '\r*' | grep -v '^-- Default --$' | sort)
    [ -n "$names" ]
  }
  wait_until 15 listed
  echo "$names"
  "$loader" "$driver" cancel >/dev/null 2>&1
  wait_exit "$sheet" 10 >/dev/null
}

# suite ARCH SCR_FORMAT: install, use and uninstall in a fresh prefix of ARCH
# (win64 or win32); SCR_FORMAT is the objdump format the installed saver has.
suite() {
  local arch=$1 format=$2 ran=$((passed + failed))
  if [ -n "$stand_in" ]; then
    echo "== $stand_in, a 64-bit stand-in for the released 32-bit installer, in a fresh $arch prefix"
  else
    echo "== $(basename "$setup") in a fresh $arch prefix"
  fi
  prefix=$work/prefix-$arch
  export WINEPREFIX=$prefix WINEARCH=$arch
  if [ "$arch" = win64 ]; then
    loader=/usr/lib/wine/wine64 driver=$root/build/win-x86_64/tests/ConfigDriver.exe
  else
    loader=/usr/lib/wine/wine driver=$root/build/win-i686/tests/ConfigDriver.exe
  fi
  export WINELOADER=$loader
  # Our own prefix on our own display: no Wine session of another may serve it.
  wine_boot_prefix
  local drive=$WINEPREFIX/drive_c
  find "$drive" -type f | sort >"$work/files-before"
  local program="$drive/Program Files/Emberlux" system=$drive/windows/system32
  local app='HKLM\Software\Norvane\Emberlux!' user_app='HKCU\Software\Norvane\Emberlux!'
  local uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Emberlux'

  local setup_loader=/usr/lib/wine/wine
  objdump -f "$setup" | grep -q pei-x86-64 && setup_loader=/usr/lib/wine/wine64
  WINELOADER=$setup_loader timeout 120 "$setup_loader" "$setup" /S >"$work/setup.log" 2>&1
  check $? "the silent install ends with code 0"
  wineserver -w

  objdump -f "$system/Emberlux.scr" 2>/dev/null | grep -q "$format"
  check $? "the saver is in the system folder ($format)"
  [ ! -e "$drive/windows/syswow64/Emberlux.scr" ]
  check $? "nothing went into SysWOW64"
  local same=0 name
  for pal in "$palette_dir"/*.pal; do
    name=$(basename "$pal")
    cmp -s "$pal" "$program/Palettes/$name" || { same=1; echo "  missing or different: $name"; }
  done
  check $same "all $palette_count sample palettes are in Program Files\\Emberlux\\Palettes"
  [ -f "$program/README.md" ] && [ -f "$program/LICENSE.txt" ] && [ -f "$program/Uninstall.exe" ]
  check $? "README, licence and uninstaller are in the program folder"

  local expected='C:\Program Files\Emberlux\'
  [ "$(reg_value "$app" InstallPath)" = "$expected" ]
  check $? "HKLM InstallPath is $expected" "($(reg_value "$app" InstallPath))"
  [ "$(reg_value "$user_app" InstallPath)" = "$expected" ]
  check $? "HKCU InstallPath is $expected" "($(reg_value "$user_app" InstallPath))"
  local version
  version=$(sed -n 's/^project(Emberlux VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
  # The whole key in one query, so that its values are read together.
  local entry key_listing listed=()
  key_listing=$("$loader" reg query "$uninstall" 2>&1 | tr -d '\r')
  for entry in DisplayName DisplayVersion Publisher DisplayIcon EstimatedSize UninstallString; do
    listed+=("$(sed -n "s/^ *$entry *REG_[A-Z_]* *//p" <<<"$key_listing")")
  done
  [ -n "${listed[0]}" ] && [ "${listed[1]}" = "$version" ] && [ "${listed[2]}" = Norvane ] && [ -n "${listed[3]}" ] &&
    [ "$((${listed[4]:-0}))" -gt 0 ] && [ -n "${listed[5]}" ]
  check $? "Apps & features lists it: name, version $version, publisher, icon, size" "($(printf '[%s] ' "${listed[@]}"); $(head -c 300 <<<"$key_listing"))"

  WINELOADER=$setup_loader timeout 120 "$setup_loader" "$setup" /S >>"$work/setup.log" 2>&1 && wineserver -w &&
    [ "$(reg_value "$app" InstallPath)" = "$expected" ] && [ -f "$program/Palettes/Ice.pal" ]
  check $? "installing again goes over the first installation"

  scr_windows='C:\windows\system32\Emberlux.scr'
  reg add "$user_app\\Presets" /v Palette /t REG_SZ /d 'Blue Gas.pal' /f
  "$loader" "$scr_windows" /s >>"$work/saver.log" 2>&1 &
  local saver=$!
  wait_until 60 blue_fire "$work/fire.png"
  check $? "the installed saver /s shows fire in the installed Blue Gas palette" "($(region_colour "$work/fire.png" $lower_third))"
  xdotool key space
  wait_exit "$saver" 10
  check $? "a key ends the run with code 0"

  local listed
  listed=$(sheet_palettes)
  [ "$listed" = "$(cd "$palette_dir" && ls -- *.pal | sort)" ]
  check $? "the settings sheet lists the sample palettes" "($(echo "$listed" | tr '\n' ','))"
  reg delete "$user_app" /v InstallPath /f
  listed=$(sheet_palettes)
  [ "$(echo "$listed" | grep -c .)" = "$palette_count" ]
  check $? "a user without InstallPath of their own sees them too" "($(echo "$listed" | tr '\n' ','))"
  reg add "$user_app" /v InstallPath /t REG_SZ /d "$expected" /f
  wineserver -w

  # The uninstaller runs from a copy of itself in the temporary folder: wait
  # for every program of the prefix to end.
  "$loader" 'C:\Program Files\Emberlux\Uninstall.exe' /S >"$work/uninstall.log" 2>&1
  check $? "the silent uninstall starts"
  timeout 120 wineserver -w
  [ ! -e "$system/Emberlux.scr" ] && [ ! -e "$program" ]
  check $? "the saver and the program folder are gone"
  find "$drive" -type f | sort >"$work/files-after"
  local left
  left=$(comm -13 "$work/files-before" "$work/files-after" | grep -v -i -e '/temp/' -e '/AppData/Local/Temp/')
  [ -s "$work/files-before" ] && [ -z "$left" ]
  check $? "no file the installer made is left" "($left)"
  ! reg_has_key "$app" && ! reg_has_key 'HKLM\Software\Norvane' && ! reg_has_key "$uninstall" &&
    [ -z "$(reg_value "$user_app" InstallPath)" ]
  check $? "no key or value the installer made is left"
  reg_has_key "$user_app\\Presets"
  check $? "the user's settings stay after a silent uninstall"
  wineserver -k 2>/dev/null
  wineserver -w
  ran=$((passed + failed - ran))
  [ "$ran" = "$suite_checks" ] || count_fail "$ran of $suite_checks checks ran"
}

suite win64 pei-x86-64
if runs_32bit; then
  suite win32 pei-i386
else
  check_prefix=""
  count_skip $((2 * suite_checks)) "the released 32-bit installer in a fresh win64 and in a fresh win32 prefix, this machine cannot run 32-bit programs"
fi
checks_end installer
