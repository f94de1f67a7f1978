#!/usr/bin/env bash
# How many small programming mistakes in the engine do the tests catch?
#
#   tools/mutate.sh [--list | --check] [ID-PATTERN...]
#
# Applies the mutations of tools/mutations.txt one at a time to a scratch copy of the
# working tree, rebuilds the engine tests and tessaro-sim incrementally, runs the engine
# tests and the tests/sim cases, and prints one line per mutation and the score. A mutation
# that some test fails on is "killed"; one that passes every test "survived".
# ID-PATTERN selects mutations by id (shell patterns: 'ctl-*'); --list only lists them;
# --check only checks that each text to change occurs exactly once in the working tree.
#
# Environment: TESSARO_MUTATE_DIR (scratch folder, default /tmp/tessaro-mutate),
# TESSARO_MUTATE_TIMEOUT (seconds per test run, default 120).
# Exit status: 0 when every mutation run was killed (or is marked equivalent), 1 otherwise.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
list="$root/tools/mutations.txt"
scratch=${TESSARO_MUTATE_DIR:-/tmp/tessaro-mutate}
timeout_s=${TESSARO_MUTATE_TIMEOUT:-120}
jobs=$(nproc)

list_only=0
check_only=0
patterns=()
for arg in "$@"; do
  case "$arg" in
    --list) list_only=1 ;;
    --check) check_only=1 ;;
    -h|--help) sed -n '2,15p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    -*) echo "mutate: unknown option $arg" >&2; exit 2 ;;
    *) patterns+=("$arg") ;;
  esac
done

# ---- the list -------------------------------------------------------------------------------
# Blocks of "key: value" lines, separated by blank lines; '#' lines are comments. A repeated
# find: or replace: line continues the text on a new line.
ids=() files=() finds=() replaces=() whys=() equivalents=()
parse_error() { echo "mutate: $list:$1: $2" >&2; exit 2; }

flush_entry() {
  [ -z "${e_id:-}" ] && [ -z "${e_file:-}" ] && return
  [ -n "${e_id:-}" ] || parse_error "$e_line" "entry without id"
  [ -n "${e_file:-}" ] || parse_error "$e_line" "$e_id: no file"
  [ "${e_has_find:-0}" = 1 ] || parse_error "$e_line" "$e_id: no find"
  [ "${e_has_replace:-0}" = 1 ] || parse_error "$e_line" "$e_id: no replace"
  [ -n "${e_why:-}" ] || parse_error "$e_line" "$e_id: no why"
  local id
  for id in "${ids[@]}"; do [ "$id" = "$e_id" ] && parse_error "$e_line" "$e_id: id used twice"; done
  ids+=("$e_id") files+=("$e_file") finds+=("$e_find") replaces+=("$e_replace")
  whys+=("$e_why") equivalents+=("${e_equivalent:-}")
  e_id="" e_file="" e_find="" e_replace="" e_why="" e_equivalent="" e_has_find=0 e_has_replace=0
}

line_no=0
e_line=1
while IFS= read -r line || [ -n "$line" ]; do
  line_no=$((line_no + 1))
  line=${line%$'\r'}
  case "$line" in
    '#'*) continue ;;
    '') flush_entry; e_line=$((line_no + 1)); continue ;;
  esac
  key=${line%%:*}
  value=${line#*:}
  value=${value# }
  case "$key" in
    id) e_id=$value ;;
    file) e_file=$value ;;
    find)
      if [ "${e_has_find:-0}" = 1 ]; then e_find+=$'\n'"$value"; else e_find=$value; fi
      e_has_find=1 ;;
    replace)
      if [ "${e_has_replace:-0}" = 1 ]; then e_replace+=$'\n'"$value"; else e_replace=$value; fi
      e_has_replace=1 ;;
    why) e_why=$value ;;
    equivalent) e_equivalent=$value ;;
    *) parse_error "$line_no" "unknown key '$key'" ;;
  esac
done < "$list"
flush_entry

selected=()
for i in "${!ids[@]}"; do
  if [ ${#patterns[@]} -eq 0 ]; then selected+=("$i"); continue; fi
  for p in "${patterns[@]}"; do
    # shellcheck disable=SC2053  # the pattern is meant to match as a pattern
    if [[ ${ids[$i]} == $p ]]; then selected+=("$i"); break; fi
  done
done
if [ ${#selected[@]} -eq 0 ]; then echo "mutate: no mutation matches" >&2; exit 2; fi

if [ "$list_only" = 1 ]; then
  for i in "${selected[@]}"; do printf '%-28s %-44s %s\n' "${ids[$i]}" "${files[$i]}" "${whys[$i]}"; done
  exit 0
fi

# How often mutation $1's text occurs in its file under folder $2 (-1: no such file).
occurrences() {
  local i=$1 path="$2/${files[$1]}" content rest
  if [ ! -f "$path" ]; then echo -1; return; fi
  IFS= read -r -d '' content <"$path"
  rest=${content//"${finds[$i]}"/}
  echo $(( (${#content} - ${#rest}) / ${#finds[$i]} ))
}

if [ "$check_only" = 1 ]; then
  bad=0
  for i in "${selected[@]}"; do
    n=$(occurrences "$i" "$root")
    if [ "$n" -ne 1 ]; then
      bad=1
      if [ "$n" -lt 0 ]; then why="no such file"; else why="text found $n times"; fi
      echo "${ids[$i]}: ${files[$i]}: $why"
    fi
  done
  [ "$bad" = 0 ] && echo "mutate: all ${#selected[@]} mutations apply"
  exit "$bad"
fi

# ---- the scratch copy -----------------------------------------------------------------------
src="$scratch/src"
build="$scratch/build"
mkdir -p "$src"
# A run stopped hard may have left a mutant behind; its file is refreshed below.
if [ -f "$scratch/mutant" ]; then leftover=$(cat "$scratch/mutant"); else leftover=""; fi
# Only files whose content changed are copied, with a new time, so that the incremental
# build sees them and nothing else rebuilds; files gone from the tree go here too.
incoming="$scratch/incoming"
rm -rf "$incoming" && mkdir -p "$incoming"
(cd "$root" && git ls-files -z --cached --others --exclude-standard -- . ':!build' |
  tar --null -T - -cf -) | tar -xf - -C "$incoming" || { echo "mutate: copy failed" >&2; exit 2; }
(cd "$incoming" && find . -type f -print0) | while IFS= read -r -d '' f; do
  if ! cmp -s "$incoming/$f" "$src/$f"; then mkdir -p "$(dirname "$src/$f")" && cp "$incoming/$f" "$src/$f"; fi
done
(cd "$src" && find . -type f -print0) | while IFS= read -r -d '' f; do
  [ -e "$incoming/$f" ] || rm -f "$src/$f"
done
rm -rf "$incoming"
if [ -n "$leftover" ] && [ -f "$src/$leftover" ]; then touch "$src/$leftover"; fi
rm -f "$scratch/mutant"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
echo "mutate: building the scratch copy in $scratch"
if ! cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARO_BUILD_BENCH=OFF \
       "${launcher[@]}" >"$scratch/configure.log" 2>&1; then
  echo "mutate: configure failed, see $scratch/configure.log" >&2; exit 2
fi

build_targets() { cmake --build "$build" -j"$jobs" --target engine_tests tessaro-sim >"$scratch/build.log" 2>&1; }

# Runs the engine tests, then the tests/sim cases; prints the first test that caught the
# mutant, or "none".
run_tests() {
  local first
  if ! (cd "$build/tests/engine" && timeout "$timeout_s" "$build/engine_tests" --gtest_brief=1) \
      >"$scratch/engine.log" 2>&1; then
    first=$(sed -n 's/^\[  FAILED  \] \([^ ,]*\).*/\1/p' "$scratch/engine.log" | head -n 1)
    echo "${first:-engine tests crashed or timed out}"; return
  fi
  if ! timeout "$timeout_s" ctest --test-dir "$build" -R '^sim\.' -j"$jobs" \
      >"$scratch/sim.log" 2>&1; then
    first=$(sed -n 's/^[[:space:]]*[0-9]* - \(sim\.[^ ]*\).*/\1/p' "$scratch/sim.log" | head -n 1)
    echo "${first:-sim cases timed out}"; return
  fi
  echo none
}

if ! build_targets; then echo "mutate: the unmutated copy does not build, see $scratch/build.log" >&2; exit 2; fi
if [ "$(run_tests)" != none ]; then
  echo "mutate: the tests fail without any mutation (see $scratch/engine.log, $scratch/sim.log)" >&2
  exit 2
fi

# ---- one mutation at a time -----------------------------------------------------------------
current=""
original=""
restore() {
  [ -z "$current" ] && return
  printf '%s' "$original" >"$src/$current"
  rm -f "$scratch/mutant"
  current=""
}
trap 'restore; exit 130' INT TERM
trap restore EXIT

killed=0 survived=0 equivalent=0 broken=0
results=()
total=${#selected[@]}
k=0
for i in "${selected[@]}"; do
  k=$((k + 1))
  id=${ids[$i]} file=${files[$i]} find=${finds[$i]} replace=${replaces[$i]}
  printf '[%2d/%d] %-32s ' "$k" "$total" "$id"
  count=$(occurrences "$i" "$src")
  if [ "$count" -lt 0 ]; then
    result="stale: no file"
  elif [ "$count" -ne 1 ]; then
    result="stale: text found $count times"
  else
    IFS= read -r -d '' content <"$src/$file"
    current=$file original=$content
    echo "$file" >"$scratch/mutant"
    printf '%s' "${content/"$find"/"$replace"}" >"$src/$file"
    if ! build_targets; then
      result="does not build"
      cp "$scratch/build.log" "$scratch/build-$id.log"
    else
      caught=$(run_tests)
      if [ "$caught" = none ]; then result=survived; else result="killed by $caught"; fi
    fi
    restore
  fi
  if [ "$result" = survived ] && [ -n "${equivalents[$i]}" ]; then result="equivalent"; fi
  case "$result" in
    killed*) killed=$((killed + 1)) ;;
    survived) survived=$((survived + 1)) ;;
    equivalent) equivalent=$((equivalent + 1)) ;;
    *) broken=$((broken + 1)) ;;
  esac
  echo "$result"
  results+=("$i|$result")
done

# The restored sources leave the build as it was, so the next run starts warm.
build_targets || true

echo
printf '%-32s %s\n' mutation "result / what a user would see"
printf '%-32s %s\n' -------- ------------------------------
for r in "${results[@]}"; do
  i=${r%%|*}
  printf '%-32s %s\n' "${ids[$i]}" "${r#*|}"
  printf '%-32s   %s\n' "" "${whys[$i]}"
  if [ "${r#*|}" = equivalent ]; then printf '%-32s   (%s)\n' "" "${equivalents[$i]}"; fi
done
echo
scored=$((killed + survived))
if [ "$scored" -gt 0 ]; then
  score=$(awk -v k="$killed" -v n="$scored" 'BEGIN { printf "%.1f", 100 * k / n }')
else
  score="0.0"
fi
echo "score: $killed of $scored mutations killed ($score %); $equivalent equivalent; $broken stale or not building"
[ "$survived" -eq 0 ] && [ "$broken" -eq 0 ]
