#!/usr/bin/env bash
# Times bookmarks2menu against `wc -l` on the same large export (wc reads
# and scans the same bytes at memory speed: the floor), and measures the
# converter's peak resident memory on a 100 MB and a 1 GB file.
# Usage: bench/run.sh [RUNS]   (from the source tree; builds build/ first)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
work=build/bench
mkdir -p "$work"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 --target bookmarks2menu >/dev/null
converter=$PWD/build/bookmarks2menu

make_input() { # MEGABYTES FILE
  [[ -s $2 ]] || python3 bench/make_export.py "$1" "$2"
}
make_input 100 "$work/export-100M.html"
make_input 1024 "$work/export-1G.html"
input=$PWD/$work/export-100M.html

now() { date +%s%N; }
# Microseconds taken by one run of the command, its output thrown away.
# The last run's menu.js goes first: truncating a file whose pages are
# still dirty makes ext4 wait for their writeback, which is not the
# converter's work (a real run meets an old menu.js long written back).
time_us() {
  local start end
  rm -f menu.js
  start=$(now)
  "$@" >/dev/null
  end=$(now)
  echo $(((end - start) / 1000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

cd "$work"
"$converter" "$input"
wc -l "$input" >/dev/null # warm-up: both read the file from the page cache
conv=() floor=()
for ((i = 0; i < runs; i++)); do
  conv+=("$(time_us "$converter" "$input")")
  floor+=("$(time_us wc -l "$input")")
done
c=$(printf '%s\n' "${conv[@]}" | median)
w=$(printf '%s\n' "${floor[@]}" | median)
bytes=$(stat -c %s "$input")
entries=$(grep -c '<DT>' "$input")

awk -v c="$c" -v w="$w" -v b="$bytes" -v n="$runs" -v e="$entries" 'BEGIN {
  mib = b / 1048576
  printf "input: %.1f MiB, %d entries; %d runs each, medians:\n", mib, e, n
  printf "bookmarks2menu %8.1f ms  %7.0f MiB/s\n", c / 1000, mib / (c / 1e6)
  printf "wc -l          %8.1f ms  %7.0f MiB/s\n", w / 1000, mib / (w / 1e6)
  printf "ratio          %8.2f (target: at most 2)\n", c / w
}'
for f in export-100M.html export-1G.html; do
  rss=$( { /usr/bin/time -f %M "$converter" "$f" >/dev/null; } 2>&1)
  printf 'peak RSS on %-16s %6d KiB (target: at most 4096)\n' "$f" "$rss"
done
