#!/usr/bin/env bash
# Counts, with callgrind, the instructions per pair that the intersection and
# the yes/no overlap test execute on the benchmark's three pair sets, and how
# they divide among the parts of the intersection. Unlike timings, the counts
# are the same on every run of the same build.
#
#   tools/count-instructions.sh            # release build
#   tools/count-instructions.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
if [[ $# -eq 0 ]]; then
  bash tools/setup.sh test
  cmake --preset release >/dev/null
  cmake --build --preset release --target trikros-bench-count >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Instructions per pair of one part on one set.
count() {
  local set=$1 part=$2 out="$work/callgrind.out"
  valgrind --tool=callgrind --callgrind-out-file="$out" --toggle-collect='*countedRun*' \
    "$build/trikros-bench-count" "$set" "$part" >/dev/null 2>&1
  local total
  total=$(sed -n 's/^summary: *\([0-9]*\).*/\1/p' "$out")
  echo $((total / 4096))
}

printf '%-9s %12s %8s %6s   %s\n' set intersection overlap ratio "parts of the intersection"
for set in cube dense coplanar; do
  ours=$(count "$set" intersection)
  baseline=$(count "$set" overlap)
  if [[ $set == coplanar ]]; then
    parts="plane tests $(count "$set" plane-tests), corner tests $(count "$set" corner-tests), edge tests $(count "$set" edge-tests)"
  else
    parts="plane tests $(count "$set" plane-tests)"
  fi
  ratio=$(awk -v a="$ours" -v b="$baseline" 'BEGIN { printf "%.2f", a / b }')
  printf '%-9s %12d %8d %6s   %s\n' "$set" "$ours" "$baseline" "$ratio" "$parts"
done
