#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks what a teacher's
# machine would get from it: the thirteen programs, runnable as installed,
# with their manual pages, the menu entry and its icon; Depends naming the
# window libraries they need; the web page when it has been built; and nothing
# for lintian to complain about.
#
#   deb_test.sh BUILD_DIR [WEB_PAGE]
set -euo pipefail
build=$1
page=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && timeout 300 cpack -G DEB -B "$work" >/dev/null)
debs=("$work"/trikros_*.deb)
[[ -f ${debs[0]} && ${#debs[@]} -eq 1 ]] || { echo "no single trikros_*.deb was made"; exit 1; }
deb=${debs[0]}

failures=0
fail() { echo "$1"; failures=$((failures + 1)); }

depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libglut* ]] || fail "Depends lacks freeglut: $depends"
[[ $depends == *libcairo2* ]] || fail "Depends lacks cairo: $depends"
[[ $depends =~ libopengl0|libgl1|libglx0 ]] || fail "Depends lacks GL: $depends"
[[ $(dpkg-deb -f "$deb" Package) == trikros ]] || fail "package name is not trikros"

dpkg-deb -x "$deb" "$work/root"
programs=(trikros)
for number in 01 02 03 04 05 06 07 08 09 10 11 12; do programs+=("trikros-case$number"); done
for program in "${programs[@]}"; do
  [[ -x $work/root/usr/bin/$program ]] || fail "missing: /usr/bin/$program"
done
expected=(usr/share/applications/trikros.desktop usr/share/icons/hicolor/scalable/apps/trikros.svg
  usr/share/doc/trikros/copyright usr/share/doc/trikros/changelog.gz
  usr/share/doc/trikros/examples/zadatak.txt usr/share/locale/en/LC_MESSAGES/trikros.mo
  usr/share/locale/sr/LC_MESSAGES/trikros.mo usr/share/locale/sr@latin/LC_MESSAGES/trikros.mo)
for program in "${programs[@]}"; do
  expected+=("usr/bin/$program" "usr/share/man/man1/$program.1.gz")
done
if [[ -n $page && -f $page ]]; then
  expected+=(usr/share/trikros/trikros.html)
  cmp -s "$page" "$work/root/usr/share/trikros/trikros.html" ||
    fail "the package's trikros.html is not the web page built ($page)"
fi
unexpected=$(comm -3 <(printf '%s\n' "${expected[@]}" | sort) \
  <(cd "$work/root" && find . -type f | sed 's|^\./||' | sort))
[[ -z $unexpected ]] || fail "the package's files differ from the list (left: missing, right: extra):
$unexpected"

# One version throughout: the package's, the program's and the changelog's latest.
version=$(dpkg-deb -f "$deb" Version)
[[ $("$work/root/usr/bin/trikros" --version) == "trikros $version" ]] ||
  fail "trikros --version does not print trikros $version"
[[ $(zcat "$work/root/usr/share/doc/trikros/changelog.gz" | head -n 1) == "trikros ($version) "* ]] ||
  fail "the changelog's latest entry is not $version"

desktop-file-validate "$work/root/usr/share/applications/trikros.desktop" ||
  fail "desktop-file-validate rejects trikros.desktop"

# Every error or warning that lintian's default profile finds fails the test;
# so does a missing lintian.
if ! findings=$(lintian --fail-on error,warning "$deb" 2>&1); then
  fail "lintian:
$findings"
fi

# The installed demo prints the same report as the build's own program; with
# no display the window cannot open, which is not what is checked here.
for program in trikros-case01 trikros-case10; do
  if ! cmp -s <(env -u DISPLAY "$work/root/usr/bin/$program" 2>/dev/null || true) \
    <(env -u DISPLAY "$build/$program" 2>/dev/null || true); then
    fail "installed $program prints another report"
  fi
done
installed=$(env -u DISPLAY "$work/root/usr/bin/trikros-case10" 2>/dev/null || true)
example=$(env -u DISPLAY "$work/root/usr/bin/trikros" "$work/root/usr/share/doc/trikros/examples/zadatak.txt" 2>/dev/null || true)
[[ $example == *"Presek zadatih trouglova je duz:"* ]] || fail "the example task file gave: $example"
[[ $installed == "Presek zadatih trouglova je sestougao"* ]] || fail "installed trikros-case10 printed: $installed"

echo "$(basename "$deb"): $failures failed"
[[ $failures -eq 0 ]]
