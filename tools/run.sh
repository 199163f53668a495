#!/usr/bin/env bash
# Installs what is missing, builds the programs and the web page (so that
# `cd build/release && cpack -G DEB` then makes the package) and starts
# trikros (or the program named as the first argument, e.g. trikros-case10).
# Without a display the console works as usual and the picture that the
# window would show is written to a PNG file (--slika).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
# The programs and the page alone: the tests and benchmarks need more
# packages (tools/test.sh installs them and builds them again).
cmake --preset release -DTRIKROS_BUILD_TESTS=OFF -DTRIKROS_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build --preset release >/dev/null
program=${1:-trikros}

if [[ -n ${DISPLAY:-} ]]; then
  exec "build/release/$program"
fi
picture="$PWD/build/$program.png"
echo "(No display: the picture that the window would show is written to $picture.)"
exec "build/release/$program" --slika "$picture"
