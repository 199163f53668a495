#!/usr/bin/env bash
# Installs what is missing, builds trikros and starts it (or the program
# named as the first argument, e.g. trikros-case10).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release >/dev/null
program=${1:-trikros}
exec "build/release/$program"
