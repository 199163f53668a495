#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks what a teacher's
# machine would get from it: the thirteen programs, runnable as installed,
# with their manual pages (in English, and in Serbian in Cyrillic and in Latin
# letters), the menu entries and their icon; Depends naming the window
# libraries they need and xdg-utils; the web page, answering a task in its
# address; and nothing for lintian to complain about.
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
[[ $depends == *xdg-utils* ]] || fail "Depends lacks xdg-utils (the menu opens the page): $depends"
[[ $(dpkg-deb -f "$deb" Package) == trikros ]] || fail "package name is not trikros"

dpkg-deb -x "$deb" "$work/root"
programs=(trikros)
for number in 01 02 03 04 05 06 07 08 09 10 11 12; do programs+=("trikros-case$number"); done
for program in "${programs[@]}"; do
  [[ -x $work/root/usr/bin/$program ]] || fail "missing: /usr/bin/$program"
done
expected=(usr/share/applications/trikros.desktop usr/share/applications/trikros-console.desktop
  usr/libexec/trikros/open-page usr/libexec/trikros/open-console usr/share/trikros/trikros.html usr/share/icons/hicolor/scalable/apps/trikros.svg
  usr/share/doc/trikros/copyright usr/share/doc/trikros/changelog.gz
  usr/share/doc/trikros/examples/zadatak.txt usr/share/locale/en/LC_MESSAGES/trikros.mo
  usr/share/locale/sr/LC_MESSAGES/trikros.mo usr/share/locale/sr@latin/LC_MESSAGES/trikros.mo)
for program in "${programs[@]}"; do
  expected+=("usr/bin/$program" "usr/share/man/man1/$program.1.gz" "usr/share/man/sr/man1/$program.1.gz"
    "usr/share/man/sr@latin/man1/$program.1.gz")
done
[[ -z $page ]] || cmp -s "$page" "$work/root/usr/share/trikros/trikros.html" ||
  fail "the package's trikros.html is not the web page built ($page)"
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

for entry in trikros trikros-console; do
  desktop-file-validate "$work/root/usr/share/applications/$entry.desktop" ||
    fail "desktop-file-validate rejects $entry.desktop"
done
# Each entry named in the three languages, from the catalogs.
for name in 'Name[sr]=Трикрос (конзола)' 'Name[sr@latin]=Trikros (konzola)' 'Name=Trikros (console)'; do
  grep -qxF "$name" "$work/root/usr/share/applications/trikros-console.desktop" ||
    fail "the console's menu entry lacks $name"
done
# The menu entry Trikros hands the installed page to xdg-open.
mkdir "$work/bin" && printf '#!/bin/sh\necho "$@"\n' >"$work/bin/xdg-open" && chmod +x "$work/bin/xdg-open"
grep -qx 'Exec=/usr/libexec/trikros/open-page' "$work/root/usr/share/applications/trikros.desktop" &&
  opened=$(PATH="$work/bin:$PATH" "$work/root/usr/libexec/trikros/open-page") && [[ -f $opened ]] &&
  cmp -s "$opened" "$work/root/usr/share/trikros/trikros.html" ||
  fail "the menu entry Trikros does not open the installed page"

# The installed page, opened from the disk with a task and a language in its address, answers
# it in that language.
answer=$(timeout 180 /usr/bin/python3 - "$work/root/usr/share/trikros/trikros.html" "$work/profile" <<'EOF' || true
import pathlib, sys
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait
options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--user-data-dir=" + sys.argv[2]):
    options.add_argument(argument)
browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
try:
    browser.get(pathlib.Path(sys.argv[1]).as_uri() + "#4,5,0,4,1,0,1,5,0,4,3,0,4,6,3,2,3,5&jezik=sr-Cyrl")
    WebDriverWait(browser, 120).until(lambda b: b.execute_script(
        "return document.body.classList.contains('spremno')"))
    print(browser.execute_script("return document.getElementById('izvestaj').textContent"))
finally:
    browser.quit()
EOF
)
[[ $answer == $'Пресек задатих троуглова је тачка:\nM (4.000000, 3.000000, 0.000000).' ]] ||
  fail "the installed page does not answer the task in its address: $answer"

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
