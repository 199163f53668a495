#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: a short fuzzing
# run, the release build's suite, and the same suite under AddressSanitizer
# and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh

# 30 s for each of the two libFuzzer targets with a fixed seed, from the seed
# corpus in fuzz/corpus (tools/fuzz.sh alone runs longer).
bash tools/fuzz.sh --seconds 30 --seed 1 --fresh

for preset in release asan; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
