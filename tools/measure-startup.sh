#!/usr/bin/env bash
# Start-up cost of one trikros program under a private Xvfb: the time from
# process start to the report on standard output, the time until its window
# is mapped (when it opens one), and the peak memory (maximum resident set,
# from /usr/bin/time -v). Each run is ended once the window is there. Prints
# every run, then the median and the spread (min to max) over the runs.
#
#   tools/measure-startup.sh                    # trikros-case10, 10 runs
#   tools/measure-startup.sh trikros-case03 20
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-trikros-case10}
runs=${2:-10}
title="Geometrija - prikaz zadatka"
window_timeout=10 # seconds to wait for the window after the report

bash tools/setup.sh test
cmake --preset release >/dev/null
cmake --build --preset release --target "$program" >/dev/null
binary="build/release/$program"

work=$(mktemp -d)
# shellcheck source=tools/private-x.sh
source tools/private-x.sh
cleanup() {
  stop_private_x
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
start_private_x

# Milliseconds between two $EPOCHREALTIME stamps.
elapsed_ms() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", (b - a) * 1000 }'; }

# One run of a command: sets report_ms, window_ms and rss.
measure_once() {
  rm -f "$work/out" "$work/pid"
  mkfifo "$work/out"
  # time -v measures the shell that records its pid and then becomes the
  # command, so the pid to end is known exactly.
  local start=$EPOCHREALTIME line deadline time_pid out
  /usr/bin/time -v -o "$work/time" \
    sh -c 'echo $$ >"$1"; shift; exec "$@"' sh "$work/pid" "$@" >"$work/out" 2>"$work/err" &
  time_pid=$!
  exec {out}<"$work/out"

  # 1. The report: its last line starts with "M" (the corners), or it is the
  #    one line of the no-intersection message.
  report_ms=none
  while IFS= read -r -u "$out" line; do
    if [[ $line == M* || $line == "Zadati trouglovi se ne seku." ]]; then
      report_ms=$(elapsed_ms "$start" "$EPOCHREALTIME")
      break
    fi
  done
  program_pid=$(cat "$work/pid" 2>/dev/null || true)

  # 2. The window, unless the program ends without one.
  window_ms=none
  deadline=$(awk -v now="$EPOCHREALTIME" -v t="$window_timeout" 'BEGIN { printf "%.6f", now + t }')
  while kill -0 "$time_pid" 2>/dev/null; do
    if xdotool search --name "^$title\$" >/dev/null 2>&1; then
      window_ms=$(elapsed_ms "$start" "$EPOCHREALTIME")
      break
    fi
    if awk -v now="$EPOCHREALTIME" -v d="$deadline" 'BEGIN { exit !(now > d) }'; then
      window_ms=timeout
      break
    fi
    sleep 0.01
  done

  # 3. End the program (it stays in its event loop) and read its peak memory.
  if [[ -n $program_pid ]]; then kill "$program_pid" 2>/dev/null || true; fi
  wait "$time_pid" 2>/dev/null || true
  program_pid=""
  exec {out}<&-
  rss=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time")
}

# The cost of the measurement itself: the same launch chain and pipe for a
# command that prints a report-like line at once.
: >"$work/floor"
for _ in $(seq "$runs"); do
  measure_once printf 'M\n'
  echo "$report_ms" >>"$work/floor"
done

echo "$program, $runs runs, display $DISPLAY"
printf '%4s %12s %12s %14s\n' run report_ms window_ms peak_rss_kb
: >"$work/report" >"$work/window" >"$work/rss"
for run in $(seq "$runs"); do
  measure_once "$binary"
  if [[ $report_ms == none ]]; then
    echo "run $run: no report; stderr:" >&2
    cat "$work/err" >&2
  fi
  printf '%4d %12s %12s %14s\n' "$run" "$report_ms" "$window_ms" "$rss"
  [[ $report_ms == none ]] || echo "$report_ms" >>"$work/report"
  [[ $window_ms == none || $window_ms == timeout ]] || echo "$window_ms" >>"$work/window"
  echo "$rss" >>"$work/rss"
done

# Median and spread of one column of numbers.
summary() {
  local name=$1 unit=$2 file=$3
  if [[ ! -s $file ]]; then
    printf '%-22s no value\n' "$name"
    return
  fi
  sort -g "$file" | awk -v name="$name" -v unit="$unit" '
    { v[NR] = $1 }
    END {
      median = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      printf "%-22s median %10.1f %s, spread %.1f to %.1f %s (%d runs)\n",
             name, median, unit, v[1], v[NR], unit, NR
    }'
}
echo
summary "start to report" ms "$work/report"
summary "start to window" ms "$work/window"
summary "peak memory" KiB "$work/rss"
summary "launch floor" ms "$work/floor"
echo "(launch floor: the same launch chain and pipe for printf; subtract it for the program's own time)"
if [[ ! -s "$work/window" ]]; then
  echo "(no window appeared: this build's viewer returns at once or the window was not found)"
fi
