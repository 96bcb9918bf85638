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
# Prints "installer: N passed, N failed, N skipped"; exits non-zero on any failure.
# Usage: tests/installer/installer-e2e.sh
set -uo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
passed=0
failed=0
skipped=0
# Every check of a stand-in installer's suite says so.
stand_in=""
check() {
  local what=${stand_in:+stand-in: }$1
  if [ "$2" = 0 ]; then passed=$((passed + 1)); echo "ok: $what"; else failed=$((failed + 1)); echo "FAILED: $what ${3:-}"; fi
}
suite_checks=18  # the checks of one suite

runs_32bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }
if runs_32bit; then
  setup=$(packaging/windows/build-installer.sh) || { echo "building the installer failed"; exit 1; }
else
  setup=$(packaging/windows/build-installer.sh --amd64) || { echo "building the installer failed"; exit 1; }
  stand_in=$(basename "$setup")
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
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
prefix=""  # the prefix of the suite that runs: the only Wine session ours to end
cleanup() {
  [ -n "$prefix" ] && WINEPREFIX=$prefix wineserver -k 2>/dev/null
  kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display") WINEDEBUG=-all

# Mean colour of the lower third of the screen as "red green blue" (0..255).
lower_colour() {
  convert "$1" -crop 1024x256+0+512 -scale '1x1!' -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:
}
# Waits up to SECONDS for a screenshot whose lower third is bright blue fire.
wait_for_blue_fire() {  # wait_for_blue_fire FILE SECONDS
  local deadline=$((SECONDS + $2)) r g b
  while [ $SECONDS -lt $deadline ]; do
    if import -window root "$1" 2>/dev/null; then
      read -r r g b <<<"$(lower_colour "$1")"
      [ "$b" -gt 60 ] && [ "$b" -gt $((r + 30)) ] && return 0
    fi
    sleep 0.5
  done
  return 1
}
# Waits until PID ends, at most SECONDS; 0 when it ended with code 0.
wait_pid() {  # wait_pid PID SECONDS
  timeout "$2" tail --pid="$1" -f /dev/null || { kill "$1"; return 1; }
  wait "$1"
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
  local names deadline=$((SECONDS + 15))
  while :; do
    names=$("$loader" "$driver" items 2 1057 2>/dev/null | tr -d '\r*' | grep -v '^-- Default --$' | sort)
    [ -n "$names" ] || [ $SECONDS -ge $deadline ] && break
    sleep 0.5
  done
  echo "$names"
  "$loader" "$driver" cancel >/dev/null 2>&1
  wait_pid "$sheet" 10 >/dev/null
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
  "$loader" wineboot -i >/dev/null 2>&1
  "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wineserver -w
  local drive=$WINEPREFIX/drive_c
  find "$drive" -type f | sort >"$work/files-before"
  local program="$drive/Program Files/Emberlux" system=$drive/windows/system32
  local app='HKLM\Software\Norvane\Emberlux!' user_app='HKCU\Software\Norvane\Emberlux!'
  local uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Emberlux'

  local setup_loader=/usr/lib/wine/wine
  objdump -f "$setup" | grep -q pei-x86-64 && setup_loader=/usr/lib/wine/wine64
  WINELOADER=$setup_loader timeout 120 "$setup_loader" "$setup" /S >"$work/setup.log" 2>&1
  check "the silent install ends with code 0" $?
  wineserver -w

  objdump -f "$system/Emberlux.scr" 2>/dev/null | grep -q "$format"
  check "the saver is in the system folder ($format)" $?
  [ ! -e "$drive/windows/syswow64/Emberlux.scr" ]
  check "nothing went into SysWOW64" $?
  local same=0 name
  for pal in "$palette_dir"/*.pal; do
    name=$(basename "$pal")
    cmp -s "$pal" "$program/Palettes/$name" || { same=1; echo "  missing or different: $name"; }
  done
  check "all $palette_count sample palettes are in Program Files\\Emberlux\\Palettes" $same
  [ -f "$program/README.md" ] && [ -f "$program/LICENSE.txt" ] && [ -f "$program/Uninstall.exe" ]
  check "README, licence and uninstaller are in the program folder" $?

  local expected='C:\Program Files\Emberlux\'
  [ "$(reg_value "$app" InstallPath)" = "$expected" ]
  check "HKLM InstallPath is $expected" $? "($(reg_value "$app" InstallPath))"
  [ "$(reg_value "$user_app" InstallPath)" = "$expected" ]
  check "HKCU InstallPath is $expected" $? "($(reg_value "$user_app" InstallPath))"
  local version
  version=$(sed -n 's/^project(Emberlux VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
  [ -n "$(reg_value "$uninstall" DisplayName)" ] && [ "$(reg_value "$uninstall" DisplayVersion)" = "$version" ] &&
    [ "$(reg_value "$uninstall" Publisher)" = Norvane ] && [ -n "$(reg_value "$uninstall" DisplayIcon)" ] &&
    [ "$(( $(reg_value "$uninstall" EstimatedSize) ))" -gt 0 ] && [ -n "$(reg_value "$uninstall" UninstallString)" ]
  check "Apps & features lists it: name, version $version, publisher, icon, size" $?

  WINELOADER=$setup_loader timeout 120 "$setup_loader" "$setup" /S >>"$work/setup.log" 2>&1 && wineserver -w &&
    [ "$(reg_value "$app" InstallPath)" = "$expected" ] && [ -f "$program/Palettes/Ice.pal" ]
  check "installing again goes over the first installation" $?

  scr_windows='C:\windows\system32\Emberlux.scr'
  "$loader" reg add "$user_app\\Presets" /v Palette /t REG_SZ /d 'Blue Gas.pal' /f >/dev/null 2>&1
  "$loader" "$scr_windows" /s >>"$work/saver.log" 2>&1 &
  local saver=$!
  wait_for_blue_fire "$work/fire.png" 60
  check "the installed saver /s shows fire in the installed Blue Gas palette" $? "($(lower_colour "$work/fire.png"))"
  xdotool key space
  wait_pid "$saver" 10
  check "a key ends the run with code 0" $?

  local listed
  listed=$(sheet_palettes)
  [ "$listed" = "$(cd "$palette_dir" && ls -- *.pal | sort)" ]
  check "the settings sheet lists the sample palettes" $? "($(echo "$listed" | tr '\n' ','))"
  "$loader" reg delete "$user_app" /v InstallPath /f >/dev/null 2>&1
  listed=$(sheet_palettes)
  [ "$(echo "$listed" | grep -c .)" = "$palette_count" ]
  check "a user without InstallPath of their own sees them too" $? "($(echo "$listed" | tr '\n' ','))"
  "$loader" reg add "$user_app" /v InstallPath /t REG_SZ /d "$expected" /f >/dev/null 2>&1
  wineserver -w

  # The uninstaller runs from a copy of itself in the temporary folder: wait
  # for every program of the prefix to end.
  "$loader" 'C:\Program Files\Emberlux\Uninstall.exe' /S >"$work/uninstall.log" 2>&1
  check "the silent uninstall starts" $?
  timeout 120 wineserver -w
  [ ! -e "$system/Emberlux.scr" ] && [ ! -e "$program" ]
  check "the saver and the program folder are gone" $?
  find "$drive" -type f | sort >"$work/files-after"
  local left
  left=$(comm -13 "$work/files-before" "$work/files-after" | grep -v -i -e '/temp/' -e '/AppData/Local/Temp/')
  [ -s "$work/files-before" ] && [ -z "$left" ]
  check "no file the installer made is left" $? "($left)"
  ! reg_has_key "$app" && ! reg_has_key 'HKLM\Software\Norvane' && ! reg_has_key "$uninstall" &&
    [ -z "$(reg_value "$user_app" InstallPath)" ]
  check "no key or value the installer made is left" $?
  reg_has_key "$user_app\\Presets"
  check "the user's settings stay after a silent uninstall" $?
  wineserver -k 2>/dev/null
  wineserver -w
  ran=$((passed + failed - ran))
  [ "$ran" = "$suite_checks" ] || { failed=$((failed + 1)); echo "FAILED: $ran of $suite_checks checks ran"; }
}

suite win64 pei-x86-64
if runs_32bit; then
  suite win32 pei-i386
else
  skipped=$((2 * suite_checks))
  echo "skipped $skipped checks: the released 32-bit installer in a fresh win64 and in a fresh win32 prefix," \
    "this machine cannot run 32-bit programs"
fi
echo "installer: $passed passed, $failed failed, $skipped skipped"
[ "$failed" = 0 ]
