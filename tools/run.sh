#!/usr/bin/env bash
# Installs what is missing, builds the programs and starts trikros (or the
# program named as the first argument, e.g. trikros-case10). Without a
# display the program runs in a private X server instead: its console works
# as usual and the picture of its window is saved as a PNG.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
# The programs alone: the tests and benchmarks need more packages
# (tools/test.sh installs them and builds them again).
cmake --preset release -DTRIKROS_BUILD_TESTS=OFF -DTRIKROS_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build --preset release >/dev/null
program=${1:-trikros}

if [[ -n ${DISPLAY:-} ]]; then
  exec "build/release/$program"
fi
picture="$PWD/build/$program.png"
echo "(No display: $program runs in a private X server; its window is saved as $picture.)"
TRIKROS_SNAPSHOT_WAIT=3600 tools/snapshot "build/release/$program" "$picture"
echo "The picture of the window: $picture"
