#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks that all thirteen
# programs land in its bin folder, unchanged and runnable.
#
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

timeout 60 cmake --install "$build" --prefix "$prefix" >/dev/null
programs=(trikros)
for number in 01 02 03 04 05 06 07 08 09 10 11 12; do programs+=("trikros-case$number"); done

failures=0
for program in "${programs[@]}"; do
  installed="$prefix/bin/$program"
  if [[ ! -x $installed ]]; then
    echo "missing: bin/$program"
    failures=$((failures + 1))
  elif ! cmp -s "$installed" "$build/$program"; then
    echo "differs from the build: bin/$program"
    failures=$((failures + 1))
  fi
done
extra=$(find "$prefix/bin" -type f | wc -l)
echo "$((${#programs[@]} - failures)) passed, $failures failed ($extra files installed in bin)"
[[ $failures -eq 0 && $extra -eq ${#programs[@]} ]]
