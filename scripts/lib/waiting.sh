# SPDX-License-Identifier: GPL-2.0-or-later
# Waiting against deadlines, never a single sleep: what is waited for may
# come late on a loaded machine.
#   wait_until SECONDS COMMAND...   0 once COMMAND succeeds, 1 when the time is up
#   wait_exit PID SECONDS           0 when the process PID, a child of this
#                                   shell, ended in time with exit code 0;
#                                   says why not, and kills it when it ran on

wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.2
  done
}

wait_exit() {
  local pid=$1 status
  if ! wait_until "$2" eval "! kill -0 $pid 2>/dev/null"; then
    echo "  (the program still ran after $2 s)"
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 1
  fi
  wait "$pid"
  status=$?
  [ "$status" = 0 ] || echo "  (the program ended with exit code $status)"
  return "$status"
}
