# Sourced by the tools that run a program under a private X server:
#   start_private_x   starts Xvfb on a free display and exports DISPLAY
#   stop_private_x    ends the program in $program_pid, if any, then the server
# shellcheck shell=bash
server_pid=''
program_pid=''

start_private_x() {
  # The server picks a free display number and writes it to standard output.
  coproc server { exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp -noreset 2>/dev/null; }
  # shellcheck disable=SC2154 # server_PID is set by coproc
  server_pid=$server_PID
  local display
  read -r -t 15 -u "${server[0]}" display || { echo "$0: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$display"
}

stop_private_x() {
  if [[ -n $program_pid ]]; then
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
  fi
  if [[ -n $server_pid ]]; then
    kill "$server_pid" 2>/dev/null || true
    wait "$server_pid" 2>/dev/null || true
  fi
}
