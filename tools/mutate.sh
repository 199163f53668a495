#!/usr/bin/env bash
# Mutation testing of the decisions: makes one small slip at a time in the
# code that decides (a comparison turned, an operand or index swapped, a scale
# factor dropped, a bound changed, a check removed), builds the release
# preset, runs the tests and tells whether a test failed (the slip is killed)
# or none did (it survived). A maintainer's tool, run by hand.
#
#   tools/mutate.sh              # every slip of every table in tools/slips/
#   tools/mutate.sh NAME...      # only the slips so named
#   tools/mutate.sh --quick      # only the kernel and intersection tests
#   tools/mutate.sh --check      # only see that every slip still applies
#
# A table (tools/slips/*.tsv, read in name order) holds one slip a line, its
# fields separated by tabs; # starts a comment line:
#
#   name  file  text  replacement  [equivalent: why no output can change]
#
# \n in a text or a replacement stands for a line break. The text must occur
# exactly once in the file (the script stops before building anything if a
# slip no longer applies). A slip marked equivalent is expected to survive;
# every other one must be killed.
#
# The slips are made in a copy of the tracked files, build/mutate/tree, never
# in the working tree, and each is undone before the next (also on Ctrl-C).
# The copy keeps its build folder between slips and between runs, so only
# what a slip touches is compiled again. For each slip the kernel,
# intersection and tasks test programs are built and run first (seconds; the
# fingerprints of many reports last, so that the line printed names the row
# that states the answer); only a slip they miss waits for the whole build
# and the whole suite (ctest, which stops at the first failure).
set -euo pipefail
shopt -u patsub_replacement 2>/dev/null || true
cd "$(dirname "$0")/.."
repo=$PWD

quick=0
check=0
wanted=()
for argument in "$@"; do
  case "$argument" in
    --quick) quick=1 ;;
    --check) check=1 ;;
    -h | --help) sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
    -*) echo "usage: $0 [--quick | --check] [NAME...]" >&2; exit 2 ;;
    *) wanted+=("$argument") ;;
  esac
done

# ---- The tables ------------------------------------------------------------

names=() files=() texts=() replacements=() notes=()
problems=0

complain() {
  echo "mutate: $*" >&2
  problems=$((problems + 1))
}

# How often text occurs in the file's content.
occurrences() {
  local content=$1 text=$2 count=0
  while [[ $content == *"$text"* ]]; do
    count=$((count + 1))
    content=${content#*"$text"}
  done
  echo "$count"
}

# Sets the variable named $1 to the content of the file $2, trailing
# newlines included.
load() {
  local loaded
  loaded=$(cat "$2" && printf x)
  printf -v "$1" '%s' "${loaded%x}"
}

read_table() {
  local table=$1 line number=0 rest fields
  while IFS= read -r line || [[ -n $line ]]; do
    number=$((number + 1))
    [[ -z ${line//[[:space:]]/} || $line == \#* ]] && continue
    fields=()
    rest=$line
    while [[ $rest == *$'\t'* ]]; do
      fields+=("${rest%%$'\t'*}")
      rest=${rest#*$'\t'}
    done
    fields+=("$rest")
    if [[ ${#fields[@]} -lt 4 || ${#fields[@]} -gt 5 ]]; then
      complain "$table:$number: ${#fields[@]} fields, not 4 or 5"
      continue
    fi
    local name=${fields[0]} file=${fields[1]} text=${fields[2]//'\n'/$'\n'}
    local note=${fields[4]:-}
    if [[ -n $note && $note != equivalent:* ]]; then
      complain "$table:$number: the fifth field must start with 'equivalent:'"
    fi
    local other
    for other in "${names[@]}"; do
      [[ $other != "$name" ]] || complain "$table:$number: a second slip named $name"
    done
    if [[ ! -f $file ]]; then
      complain "$table:$number ($name): no file $file"
    else
      local count content
      load content "$file"
      count=$(occurrences "$content" "$text")
      [[ $count -eq 1 ]] || complain "$table:$number ($name): the text occurs $count times in $file"
    fi
    names+=("$name") files+=("$file") texts+=("$text") replacements+=("${fields[3]//'\n'/$'\n'}")
    notes+=("$note")
  done <"$table"
}

shopt -s nullglob
tables=(tools/slips/*.tsv)
shopt -u nullglob
[[ ${#tables[@]} -gt 0 ]] || { echo "mutate: no tables in tools/slips/" >&2; exit 2; }
for table in "${tables[@]}"; do read_table "$table"; done

selected=()
for i in "${!names[@]}"; do
  if [[ ${#wanted[@]} -eq 0 ]]; then
    selected+=("$i")
    continue
  fi
  for name in "${wanted[@]}"; do
    [[ ${names[$i]} != "$name" ]] || selected+=("$i")
  done
done
for name in "${wanted[@]}"; do
  found=0
  for i in "${!names[@]}"; do [[ ${names[$i]} != "$name" ]] || found=1; done
  [[ $found -eq 1 ]] || complain "no slip named $name"
done

if [[ $problems -gt 0 ]]; then
  echo "mutate: $problems problem(s) in the tables; nothing was run" >&2
  exit 2
fi
if [[ $check -eq 1 ]]; then
  echo "${#names[@]} slips, each applies exactly once"
  exit 0
fi

# ---- The copy and its build --------------------------------------------------

scratch=$repo/build/mutate
tree=$scratch/tree
binary=$tree/build/release
log=$scratch/log
mkdir -p "$tree" "$log"
exec 9>"$scratch/lock"
flock -n 9 || { echo "mutate: another run is using $scratch" >&2; exit 2; }

# Copies every tracked (or new, not ignored) file whose content differs. A
# copied file gets a new time, so that make compiles it again.
sync_tree() {
  local file
  while IFS= read -r -d '' file; do
    [[ -f $file ]] || continue
    if ! cmp -s "$file" "$tree/$file"; then
      mkdir -p "$(dirname "$tree/$file")"
      cp "$file" "$tree/$file"
    fi
  done < <(git ls-files -z --cached --others --exclude-standard)
}

slipped=""  # the file of the copy that holds a slip, while it does
undo() {
  if [[ -n $slipped ]]; then
    cp "$scratch/original" "$tree/$slipped"
    slipped=""
  fi
}
trap undo EXIT
trap 'undo; echo; echo "mutate: interrupted; the copy is restored" >&2; exit 130' INT TERM

# The first test that failed, from the log of a test program or of ctest.
first_failure() {
  local name
  name=$(grep -m1 -E '^\[  FAILED  \] ' "$1" | sed -E 's/^\[  FAILED  \] ([^ ,]+).*$/\1/' || true)
  [[ -n $name ]] ||
    name=$(grep -m1 -E 'Test +#[0-9]+: .*\*\*\*' "$1" | sed -E 's/^.*Test +#[0-9]+: ([^ ]+).*$/\1/' || true)
  echo "${name:-a test}"
}

# Runs the tests on the copy as it is. Prints "passed", or "failed TEST", or
# "broken" when it does not build. The kernel, intersection and tasks programs come
# first; --quick stops after them.
run_tests() {
  local out=$1
  if ! cmake --build "$binary" -j2 --target geometry_test intersection_test tasks_test \
    >"$out.build" 2>&1; then
    echo broken
    return
  fi
  # The tables that state expected answers first, the fingerprints of many
  # reports (which tell only that something changed) after them.
  local run
  for run in "geometry/geometry_test" "intersection/intersection_test --gtest_filter=-Fingerprint.*" \
    "intersection/intersection_test --gtest_filter=Fingerprint.*" "tasks/tasks_test"; do
    # shellcheck disable=SC2086 # the program and its filter
    if ! (cd "$binary/tests" && timeout 300 ./$run --gtest_brief=1 --gtest_fail_fast) >"$out.first" 2>&1; then
      echo "failed $(first_failure "$out.first")"
      return
    fi
  done
  if [[ $quick -eq 1 ]]; then
    echo passed
    return
  fi
  if ! (cd "$tree" && cmake --build --preset release) >"$out.build" 2>&1; then
    echo broken
    return
  fi
  if ! (cd "$tree" && ctest --preset release --stop-on-failure --timeout 300) >"$out.suite" 2>&1; then
    echo "failed $(first_failure "$out.suite")"
    return
  fi
  echo passed
}

started=$SECONDS
echo "Copying the tree to $tree and building it (the first time takes a few minutes)"
sync_tree
# Without the web page: the decisions are the programs' own, and building the
# page again for every slip would triple the time a slip takes.
(cd "$tree" && cmake --preset release -DTRIKROS_BUILD_PAGE=OFF) >"$log/configure" 2>&1 || {
  echo "mutate: the copy does not configure; see $log/configure" >&2
  exit 1
}
baseline=$(run_tests "$log/baseline")
if [[ $baseline != passed ]]; then
  echo "mutate: without any slip the tests already give: $baseline; see $log/baseline.*" >&2
  exit 1
fi
echo "Without a slip every test passes ($((SECONDS - started)) s)"

killed=0 equivalent=0 survived=0 broken=0 wrongly=0  # wrongly: marked equivalent, yet killed
total=${#selected[@]}
step=0
for i in "${selected[@]}"; do
  step=$((step + 1))
  name=${names[$i]} file=${files[$i]}
  began=$SECONDS
  load content "$tree/$file"
  cp "$tree/$file" "$scratch/original"
  slipped=$file
  printf '%s' "${content%%"${texts[$i]}"*}${replacements[$i]}${content#*"${texts[$i]}"}" >"$tree/$file"
  result=$(run_tests "$log/$name")
  undo
  seconds=$((SECONDS - began))
  case "$result" in
    failed*)
      if [[ -n ${notes[$i]} ]]; then
        verdict="KILLED, though the table calls it equivalent"
        wrongly=$((wrongly + 1))
      else
        verdict=killed
        killed=$((killed + 1))
      fi
      detail="by ${result#failed }"
      ;;
    broken)
      verdict=BROKEN
      broken=$((broken + 1))
      detail="does not build; see $log/$name.build"
      ;;
    *)
      if [[ -n ${notes[$i]} ]]; then
        verdict=equivalent
        equivalent=$((equivalent + 1))
        detail=${notes[$i]#equivalent: }
      else
        verdict=SURVIVED
        survived=$((survived + 1))
        detail="${file##*/}: '${texts[$i]}' -> '${replacements[$i]}'"
      fi
      [[ $quick -eq 0 ]] || detail="(kernel and intersection tests only) $detail"
      ;;
  esac
  printf '%3d/%d %-10s %-28s %4d s  %s\n' "$step" "$total" "$verdict" "$name" "$seconds" "$detail"
done

minutes=$(((SECONDS - started + 30) / 60))
counted=$((killed + survived))
rate=100
[[ $counted -eq 0 ]] || rate=$((killed * 100 / counted))
echo
echo "$total slips: $killed killed, $survived survived, $equivalent equivalent (survived, as" \
  "the table says), $wrongly called equivalent but killed, $broken did not build"
echo "Kill rate: $killed of $counted non-equivalent slips ($rate %), in $minutes min"
[[ $survived -eq 0 && $broken -eq 0 && $wrongly -eq 0 ]]
