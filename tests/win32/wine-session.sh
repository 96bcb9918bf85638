# Sourced by the end-to-end scripts: a Wine session in a virtual X display of
# its own, and the bookkeeping of the checks.
#   wine_session_begin NAME PROGRAM   starts it (or ends the script with
#                                     "NAME: skipped" where PROGRAM cannot run)
#   check DESCRIPTION RESULT [DETAIL] counts one check (RESULT 0 passes)
#   wine_session_end                  prints "NAME: N passed, N failed" and exits
# Also: $loader (the Wine loader for PROGRAM), $work (a scratch folder),
# reg ARGS (Wine's reg tool, quiet), wait_exit SECONDS (for the pid in $saver).

wine_of() { if objdump -f "$1" | grep -q pei-x86-64; then echo /usr/lib/wine/wine64; else echo /usr/lib/wine/wine; fi; }
reg() { "$loader" reg "$@" >/dev/null 2>&1; }

check() {
  if [ "$2" = 0 ]; then passed=$((passed + 1)); echo "ok: $1"; else failed=$((failed + 1)); echo "FAILED: $1 ${3:-}"; fi
}

wait_exit() {  # 0 when the saver ended in time with exit code 0
  local deadline=$((SECONDS + $1))
  while kill -0 "$saver" 2>/dev/null; do
    [ $SECONDS -ge $deadline ] && { kill "$saver"; return 1; }
    sleep 0.1
  done
  wait "$saver"
}

wine_session_begin() {
  session_name=$1
  passed=0
  failed=0
  work=$(mktemp -d)
  export WINEDEBUG=-all WINEPREFIX=${WINEPREFIX:-$HOME/.wine-emberlux}
  loader=$(wine_of "$2")
  if ! "$loader" --version >/dev/null 2>&1; then
    echo "$session_name: skipped, this machine cannot run $2"
    rm -rf "$work"
    exit 0
  fi
  export WINELOADER=$loader
  # A virtual display on a free number, which Xvfb writes once it is ready.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null; wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
  for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=:$(cat "$work/display")
  # A Wine session still running from an earlier step is tied to its display
  # (or to none): windows of ours would not appear on this one.
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  # Wine prepares its prefix on first use; do it before anything is timed. With
  # no window manager on the virtual display, Wine must not wait for one when a
  # window goes (it would wait two seconds for each).
  "$loader" wineboot -i >/dev/null 2>&1
  reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
}

wine_session_end() {
  echo "$session_name: $passed passed, $failed failed"
  [ "$failed" = 0 ]
  exit
}
