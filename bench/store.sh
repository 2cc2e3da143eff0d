#!/usr/bin/env bash
# Times a Chromium `Bookmarks` store of 100,000 bookmarks against
# Chromium's HTML export of the same bookmarks (bench/make_store.py), run
# in turn, and checks that both give the same menu.js.
# Usage: bench/store.sh [RUNS] [COUNT]   (from the source tree; builds build/
# first)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-11}
count=${2:-100000}
work=build/bench
mkdir -p "$work"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 --target bookmarks2menu >/dev/null
converter=$PWD/build/bookmarks2menu
store=Bookmarks-$count export=store-export-$count.html
[[ -s $work/$store && -s $work/$export ]] ||
  python3 bench/make_store.py "$count" "$work/$store" "$work/$export"
cd "$work"
mkdir -p run-store
cd run-store
"$converter" "../$export" && cp menu.js export.menu.js
"$converter" "../$store"
cmp -s menu.js export.menu.js || { echo "the menus differ" >&2; exit 1; }
ls -l "../$store" "../$export" | awk '{ print $5, $9 }'

# Wall and CPU milliseconds of one run, and its peak resident KiB.
run_ms() {
  local start end
  start=$EPOCHREALTIME
  /usr/bin/time -f "%U %S %M" -o time.txt "$converter" "$1" >/dev/null
  end=$EPOCHREALTIME
  read -r user sys rss <time.txt
  echo "$(((${end/./} - ${start/./}) / 1000)) $(echo "($user + $sys) * 1000 / 1" | bc) $rss"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
s=() e=() r=()
for ((i = 0; i < runs; i++)); do
  s+=("$(run_ms "../$store")")
  e+=("$(run_ms "../$export")")
done
col() { printf '%s\n' "${@:2}" | awk -v c="$1" '{ print $c }' | median; }
sw=$(col 1 "${s[@]}") ew=$(col 1 "${e[@]}")
sc=$(col 2 "${s[@]}") ec=$(col 2 "${e[@]}")
echo "store:  wall $sw ms, cpu $sc ms, peak $(col 3 "${s[@]}") KiB"
echo "export: wall $ew ms, cpu $ec ms, peak $(col 3 "${e[@]}") KiB"
echo "store / export: wall $(echo "scale=2; $sw / $ew" | bc), cpu $(echo "scale=2; $sc / ($ec + 1)" | bc) (medians of $runs)"
