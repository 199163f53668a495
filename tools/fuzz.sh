#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer; the fuzz preset) and runs each of them for a
# bounded time, one after the other.
#
#   tools/fuzz.sh                      # 10 minutes per target, seed 1
#   tools/fuzz.sh --seconds 30 --fresh # the short run of tools/test.sh
#   tools/fuzz.sh --seconds 3600 --seed 7 console
#
# Options:
#   --seconds N  time per target (default 600)
#   --seed S     libFuzzer's random seed (default 1)
#   --fresh      start from the seed corpus in fuzz/corpus only; without it the
#                inputs found by earlier runs (build/fuzz/corpus/) are reused
#   console, kernel  which targets to run (default both)
#
# New interesting inputs go to build/fuzz/corpus/<target>/; an input that
# crashes or breaks a check is saved in build/fuzz/artifacts/ and the script
# fails. Reproduce one with: build/fuzz/trikros-fuzz-<target> <file>
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=600
seed=1
fresh=0
targets=()
while [[ $# -gt 0 ]]; do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --fresh) fresh=1; shift ;;
    console | kernel) targets+=("$1"); shift ;;
    *) echo "usage: $0 [--seconds N] [--seed S] [--fresh] [console] [kernel]" >&2; exit 2 ;;
  esac
done
[[ ${#targets[@]} -gt 0 ]] || targets=(console kernel)

bash tools/setup.sh test
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

artifacts=build/fuzz/artifacts
mkdir -p "$artifacts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

passed=0
failed=0
for target in "${targets[@]}"; do
  case "$target" in
    console) options=(-max_len=512 -dict=fuzz/console.dict) ;;
    kernel) options=(-max_len=80) ;;
  esac
  if [[ $fresh -eq 1 ]]; then
    corpus="$work/$target"
  else
    corpus="build/fuzz/corpus/$target"
  fi
  mkdir -p "$corpus"
  log="$work/$target.log"
  echo "== fuzzing $target for ${seconds} s (seed $seed)"
  # New inputs go to the first directory; the seed corpus is only read.
  status=0
  "build/fuzz/trikros-fuzz-$target" -seed="$seed" -max_total_time="$seconds" -timeout=10 \
    -print_final_stats=1 -artifact_prefix="$artifacts/$target-" "${options[@]}" \
    "$corpus" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  grep -E '^(#[0-9]+[[:space:]]+(INITED|DONE)|Done [0-9]+ runs|stat::(number_of_executed_units|peak_rss_mb|new_units_added))' \
    "$log" || true
  if [[ $status -eq 0 ]]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "!! trikros-fuzz-$target failed (exit $status); its report:" >&2
    grep -v -E '^#[0-9]+ ' "$log" | tail -n 60 >&2
    ls -1 "$artifacts" | sed 's/^/   artifact: /' >&2
  fi
done

echo "fuzz: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
