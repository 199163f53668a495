#!/usr/bin/env bash
# CPU taken by an idle trikros window under a private Xvfb: the program's own
# clock ticks (user + system, from /proc/PID/stat) over a quiet stretch after
# its window has appeared, and the same for the X server. Nothing is sent to
# the window while it is measured.
#
#   tools/measure-idle.sh                                   # case10, 10 s
#   tools/measure-idle.sh build/release/trikros-case03 20
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-build/release/trikros-case10}
seconds=${2:-10}
title="Geometrija - prikaz zadatka"
[[ -x $program ]] || { echo "$0: $program is not a program" >&2; exit 1; }

# shellcheck source=tools/private-x.sh
source tools/private-x.sh
trap stop_private_x EXIT
trap 'exit 130' INT TERM
start_private_x

"$program" </dev/null >/dev/null &
program_pid=$!
xdotool search --sync --name "^$title\$" >/dev/null
sleep 1 # let the first frames settle

# Fields 14 and 15 of /proc/PID/stat, after the name in parentheses.
ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }
program_before=$(ticks "$program_pid")
server_before=$(ticks "$server_pid")
sleep "$seconds"
program_after=$(ticks "$program_pid")
server_after=$(ticks "$server_pid")

hz=$(getconf CLK_TCK)
report() { # name, ticks
  awk -v name="$1" -v t="$2" -v hz="$hz" -v s="$seconds" \
    'BEGIN { printf "%-8s %5d ticks in %d s (%d per s): %.1f %% of a core\n", name, t, s, hz, 100 * t / hz / s }'
}
report program $((program_after - program_before))
report Xvfb $((server_after - server_before))
