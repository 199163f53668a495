#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the release
# build, then the same suite under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh

for preset in release asan; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

# A short fuzzing run with a fixed seed: 30 s for each of the two libFuzzer
# targets, from the seed corpus in fuzz/corpus (tools/fuzz.sh runs longer).
bash tools/fuzz.sh --seconds 30 --seed 1 --fresh
