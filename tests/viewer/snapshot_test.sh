#!/usr/bin/env bash
# tools/snapshot: console output passed through, a PNG of the window, piped
# input reaching the program, and no X server left running.
#
#   snapshot_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1
build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
snapshot="$source_dir/tools/snapshot"
failures=0
check() {  # description, then a command that must succeed
  local description=$1
  shift
  if "$@"; then echo "ok: $description"; else echo "FAILED: $description"; failures=$((failures + 1)); fi
}

# In a session of its own, so that whatever it leaves running can be found.
timeout 30 setsid -w bash -c 'echo $$ >"$1"; exec "$2" "$3" "$4"' _ "$work/session" \
  "$snapshot" "$build/trikros-case10" "$work/case10.png" >"$work/case10.txt"
sleep 0.2
check "nothing of it left running" bash -c "! pgrep -s '$(cat "$work/session")' >/dev/null"
check "fixed case prints its report" grep -q '^Presek zadatih trouglova je sestougao' "$work/case10.txt"
check "window saved at its size" test "$(identify -format '%wx%h' "$work/case10.png")" = 1024x700
check "picture has the background" grep -q 'E6E6CC' <(convert "$work/case10.png" -format %c histogram:info:-)
check "picture has the red hexagon" grep -q 'FF0000' <(convert "$work/case10.png" -format %c histogram:info:-)

printf '4 5 0 4 1 0 1 5 0 4 3 0 4 6 3 2 3 5\n' |
  timeout 30 "$snapshot" "$build/trikros" "$work/typed.png" -resize 50% >"$work/typed.txt"
check "piped input answers the prompts" grep -q 'c2.z = Presek zadatih trouglova je Tacka:' "$work/typed.txt"
check "import options apply" test "$(identify -format '%wx%h' "$work/typed.png")" = 512x350

TRIKROS_SNAPSHOT_KEYS="Up Right" timeout 30 "$snapshot" "$build/trikros-case10" "$work/turned.png" >/dev/null
check "keys turn the picture" bash -c "! compare -metric AE '$work/case10.png' '$work/turned.png' null: 2>/dev/null"

check "a missing program is refused" bash -c "! timeout 30 '$snapshot' '$build/no-such-program' '$work/x.png' 2>/dev/null"

echo "$((9 - failures)) passed, $failures failed"
[[ $failures -eq 0 ]]
