#!/usr/bin/env bash
# Installs the Debian 12 packages that trikros needs, and only those that are
# missing. Needs root (or sudo).
#
#   tools/setup.sh         what building and running the programs and
#                          making the package need (the web page, which
#                          every package holds, is compiled with emscripten)
#   tools/setup.sh test    that, and what the tests, the fuzzers, the
#                          benchmarks and the measuring tools need (node
#                          and Chromium for the web page's tests)
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  freeglut3-dev libgl1-mesa-dev libgl1-mesa-dri libx11-dev libpng-dev
  libcairo2-dev fonts-dejavu-core libboost-dev
  emscripten nlohmann-json3-dev
)
if [[ ${1:-} == test ]]; then
  packages+=(
    googletest libgtest-dev libgmock-dev libbenchmark-dev libgmp-dev
    clang libclang-rt-14-dev
    xvfb xauth xdotool imagemagick x11-utils poppler-utils libxml2-utils
    valgrind time
    lintian desktop-file-utils
    nodejs chromium chromium-driver python3-selenium python3-pil
  )
fi

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
  "${missing[@]}" >/dev/null
