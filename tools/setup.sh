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
  libcairo2-dev fonts-dejavu-core libboost-dev gettext
  emscripten nlohmann-json3-dev
)
if [[ ${1:-} == test ]]; then
  packages+=(
    googletest libgtest-dev libgmock-dev libbenchmark-dev libgmp-dev
    clang libclang-rt-14-dev
    xvfb xauth xdotool imagemagick x11-utils poppler-utils libxml2-utils
    valgrind time locales
    lintian desktop-file-utils
    nodejs chromium chromium-driver python3-selenium python3-pil
  )
fi

# The locales whose messages the tests read back (Serbian in Cyrillic and in
# Latin letters, English), made once.
make_locales() {
  local wanted=("sr_RS.UTF-8 UTF-8" "sr_RS@latin UTF-8" "en_US.UTF-8 UTF-8") line made=0
  for line in "${wanted[@]}"; do
    grep -qx "$line" /etc/locale.gen 2>/dev/null && continue
    echo "$line" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    made=1
  done
  if [[ $made -eq 1 ]] || ! locale -a | grep -qx 'sr_RS@latin'; then
    "${sudo[@]}" locale-gen >/dev/null
  fi
}

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi
if [[ ${1:-} == test ]]; then
  make_locales
fi
