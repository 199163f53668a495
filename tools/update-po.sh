#!/usr/bin/env bash
# Gathers the texts marked with _() and N_() in src/ into the template
# po/trikros.pot and merges it into the catalogs po/sr.po (Serbian in Cyrillic)
# and po/en.po, so that a new or changed text shows there as untranslated until
# it is translated. The menu entries' texts are in English, as a desktop shows
# them where it has no translation; po/en.po gives them unchanged. po/sr@latin.po is not translated by hand: it is po/sr.po in
# Latin letters, made by gettext's own recode-sr-latin. Then says how complete
# each catalog is.
#
#   tools/update-po.sh           gathers, merges and reports
#   tools/update-po.sh --check   changes nothing; fails unless every catalog
#                                translates every text of the sources
set -euo pipefail
cd "$(dirname "$0")/.."

template=po/trikros.pot
if [[ ${1:-} == --check ]]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  template=$work/trikros.pot
fi

mapfile -t sources < <(git ls-files 'src/*.cpp' 'src/*.h' | sort)
common=(--from-code=UTF-8 --package-name=trikros --msgid-bugs-address=authors@trikros.invalid
  --sort-by-file --add-location=file --copyright-holder="the trikros authors" -o "$template")
xgettext --language=C++ --keyword=_ --keyword=N_ --add-comments=TRANSLATORS: "${common[@]}" \
  "${sources[@]}"
# The menu entries' names and comments, and the console entry's last sentence.
xgettext --join-existing "${common[@]}" data/trikros.desktop.in data/trikros-console.desktop.in
xgettext --join-existing --language=Shell "${common[@]}" data/open-console
if [[ ${1:-} == --check ]]; then
  status=0
  for catalog in po/sr.po po/sr@latin.po po/en.po; do
    # msgcmp names each text of the sources that the catalog lacks.
    msgcmp --use-untranslated "$catalog" "$template" || status=1
    report=$(msgfmt --check --statistics -o /dev/null "$catalog" 2>&1) || status=1
    echo "$catalog: $report"
    [[ $report != *untranslated* && $report != *fuzzy* ]] || status=1
  done
  exit $status
fi
for catalog in po/sr.po po/en.po; do
  msgmerge --quiet --update --backup=none --no-fuzzy-matching --add-location=file "$catalog" \
    po/trikros.pot
done
msgfilter --keep-header -i po/sr.po -o po/sr@latin.po recode-sr-latin
sed -i -e 's/^"Language: sr\\n"$/"Language: sr@latin\\n"/' \
  -e 's/^"Language-Team: Serbian </"Language-Team: Serbian (Latin) </' po/sr@latin.po
for catalog in po/sr.po po/sr@latin.po po/en.po; do
  printf '%s: ' "$catalog"
  msgfmt --check --statistics -o /dev/null "$catalog" 2>&1
done
