# SPDX-License-Identifier: GPL-2.0-or-later
# A Wine session of the tests' own prefix on a virtual X display of its own,
# running one of our Windows programs, with the bookkeeping of its checks.
#   wine_session_begin NAME PROGRAM CHECKS
#       starts the session. A 32-bit PROGRAM on a machine that cannot run it
#       ends the script with "NAME: skipped CHECKS checks, this machine cannot
#       run 32-bit programs"; a 64-bit one that cannot start, or a PROGRAM
#       that is missing or not a Windows program, fails it.
#   wine_display [SCREEN...]
#       gives it a display: SCREENs are monitors WxH+X+Y (default one of
#       1024x768), shown by Xephyr inside Xvfb so that display modes can change;
#       the first is the primary monitor, at (0, 0) for Windows.
#   wine_new_session [VAR=VALUE...]
#       ends the session and starts another under that environment
#   wine_session_end    prints "NAME: N passed, N failed" and exits; running
#                       another number of checks than CHECKS is a failure.
#                       The prefix is put back as it was at the start.
#   start_saver SWITCH...   runs PROGRAM in the background; its pid in $saver
#   saver_alive             0 while it runs
#   clear_settings, set_values NAME=NUMBER...
#                           the saver's settings: none, or values of the default preset
#   probe ARG...            tests/WinProbe.exe of the build (monitors, windows,
#                           input through Windows, stored bytes, message texts)
#   probe_said              the last line it wrote on its error output, or its exit code
# Also: $loader (the Wine loader for PROGRAM), $work (a scratch folder),
# $presets (the default preset's key), and what scripts/lib/checks.sh,
# waiting.sh, display.sh, pictures.sh and wine.sh give.
source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"
source "$(dirname "${BASH_SOURCE[0]}")/display.sh"
source "$(dirname "${BASH_SOURCE[0]}")/pictures.sh"
source "$(dirname "${BASH_SOURCE[0]}")/wine.sh"

wine_session_begin() {
  session_name=$1
  program=$2
  probe_exe=$(dirname "$program")/../../tests/WinProbe.exe
  expected_checks=$3
  work=$(mktemp -d)
  wine_keep_dir=$work
  wine_test_prefix
  wine_quiet_audio always
  if ! loader=$(wine_loader_of "$program"); then
    rm -rf "$work"
    echo "$session_name: cannot run $program"
    exit 1
  fi
  if ! wine_can_run "$loader"; then
    rm -rf "$work"
    if [ "$loader" = /usr/lib/wine/wine ]; then
      echo "$session_name: skipped $expected_checks checks, this machine cannot run 32-bit programs"
      exit 0
    fi
    echo "$session_name: cannot start Wine for $program"
    exit 1
  fi
  export WINELOADER=$loader
  trap 'kill $(jobs -p) 2>/dev/null; wine_restore_prefix; wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
}

# A display of the SCREENs for the session, in place of the one it had.
wine_display() {
  local screens=("${@:-1024x768+0+0}") width=0 height=0 screen args=()
  for screen in "${screens[@]}"; do
    [[ $screen =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || { echo "bad screen $screen"; exit 1; }
    width=$((BASH_REMATCH[1] + BASH_REMATCH[3] > width ? BASH_REMATCH[1] + BASH_REMATCH[3] : width))
    height=$((BASH_REMATCH[2] + BASH_REMATCH[4] > height ? BASH_REMATCH[2] + BASH_REMATCH[4] : height))
    args+=(-origin "${BASH_REMATCH[3]},${BASH_REMATCH[4]}" -screen "${BASH_REMATCH[1]}x${BASH_REMATCH[2]}")
  done
  [ ${#screens[@]} -gt 1 ] && args+=(+xinerama)
  # A Wine session still running (from an earlier step or display) is tied to
  # its display: windows of ours would not appear on the new one.
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  stop_x_servers
  x_log=$work/x.log
  start_xvfb "${width}x${height}" || { echo "$session_name: Xvfb did not start"; exit 1; }
  DISPLAY=$x_display start_x Xephyr "${args[@]}" -ac || { echo "$session_name: Xephyr did not start"; exit 1; }
  export DISPLAY=$x_display
  wine_boot_prefix "$([ ${#screens[@]} -gt 1 ] && echo xinerama)"
  # One session serves all the programs of the script: a session that ended
  # with its last program would start anew with the next, and put the mouse
  # back in the middle.
  wine_new_session
}

# Ends the session and starts another, its server and its first programs
# under the environment VAR=VALUE... gives (a user's language, say).
wine_new_session() {
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  env "$@" wineserver -p
  env "$@" "$loader" wineboot >/dev/null 2>&1
}

wine_session_end() { checks_end "$session_name" "$expected_checks"; }

start_saver() {
  "$loader" "$program" "$@" >>"$work/saver.log" 2>&1 &
  saver=$!
}
saver_alive() { kill -0 "$saver" 2>/dev/null; }

presets='HKCU\Software\Norvane\Emberlux!\Presets'
clear_settings() { reg delete 'HKCU\Software\Norvane' /f; }
set_values() {
  local pair
  for pair in "$@"; do reg add "$presets" /v "${pair%%=*}" /t REG_DWORD /d "${pair#*=}" /f; done
}
probe() {
  "$loader" "$probe_exe" "$@" 2>>"$work/probe.log" | tr -d '\r'
  local status=${PIPESTATUS[0]}
  [ "$status" = 0 ] || echo "probe $*: exit code $status" >>"$work/probe.log"
  return "$status"
}
# What the probe said last on its error output: why it found nothing, say.
probe_said() { tail -n 1 "$work/probe.log" 2>/dev/null; }
