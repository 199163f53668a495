#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: a short fuzzing
# run, the web page, the release build's suite (with the page's tests under
# node and in headless Chromium), and the same suite under AddressSanitizer
# and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh test

# A minute of the console target and half a minute of the kernel target, with
# a fixed seed, from the seed corpus in fuzz/corpus (tools/fuzz.sh alone runs
# longer).
bash tools/fuzz.sh --seconds 60 --seed 1 --fresh console
bash tools/fuzz.sh --seconds 30 --seed 1 --fresh kernel

# The web page first, so that the release suite tests it (tests/web) and
# packages it.
cmake --preset web >/dev/null
cmake --build --preset web

for preset in release asan; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
