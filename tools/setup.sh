#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing trikros
# need, and only those that are missing. Needs root (or sudo).
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev libgl1-mesa-dri libx11-dev libpng-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev libgmp-dev libboost-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool imagemagick x11-utils
  valgrind time
  lintian desktop-file-utils
)

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
