#!/usr/bin/env bash
# Times bookmarks2menu against the floor on three 100 MB export shapes:
# bench/floor.cpp reads the same input, finds its line ends and writes a
# menu.js of the same size with no other parsing, and `wc -l` only reads. The three run in
# turn, run after run, so that the machine's drift hits them alike. Then
# the cost of starting, on a small real export against `cat`, and the
# converter's peak resident memory.
# Usage: bench/run.sh [RUNS] [SAMPLE]   (from the source tree; builds build/
# first). SAMPLE, an export of your own, is repeated to 100 MB as a fourth
# shape, "sample".
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-11}
sample=${2:+$(realpath "$2")}
work=build/bench
mkdir -p "$work"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 --target bookmarks2menu >/dev/null
c++ -O2 -o "$work/floor" bench/floor.cpp
converter=$PWD/build/bookmarks2menu floor=$PWD/$work/floor
small=$PWD/tests/corpus/chrome-de-2015-jf-cloudmarks.html
shapes="dense icons real${sample:+ sample}"
for shape in $shapes; do
  from=$shape
  [[ $shape == sample ]] && from=$sample
  [[ -s $work/$shape.html ]] ||
    python3 bench/make_export.py "$from" 100 "$work/$shape.html"
done
cd "$work"
mkdir -p run-conv run-floor run-wc

# Microseconds one run of the command takes in DIR, its output thrown
# away. Each command has a directory of its own, so that it truncates its
# own last menu.js, as a user's repeated conversions do: truncating a file
# whose pages are still being written back makes ext4 wait. With `fresh`,
# the last menu.js is deleted first, outside the timing.
time_us() { # fresh|kept DIR COMMAND...
  local start end
  cd "$2"
  [[ $1 == fresh ]] && rm -f menu.js
  shift 2
  start=$EPOCHREALTIME
  "$@" >/dev/null
  end=$EPOCHREALTIME
  cd ..
  echo $(((${end/./} - ${start/./})))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Medians of the converter, the floor and wc -l, run in turn, and the
# median of the converter's time over the floor's, pair by pair, which
# holds when the machine's speed drifts.
race() { # fresh|kept INPUT
  local c=() f=() w=() r=() i size
  "$converter" "$2"
  size=$(stat -c %s menu.js)
  for ((i = 0; i < runs; i++)); do
    c+=("$(time_us "$1" run-conv "$converter" "../$2")")
    f+=("$(time_us "$1" run-floor "$floor" "../$2" "$size")")
    w+=("$(time_us "$1" run-wc wc -l "../$2")")
    r+=("$(awk -v c="${c[i]}" -v f="${f[i]}" 'BEGIN { print c / f }')")
  done
  echo "$(printf '%s\n' "${c[@]}" | median) $(printf '%s\n' "${f[@]}" |
    median) $(printf '%s\n' "${w[@]}" | median) $(printf '%s\n' "${r[@]}" |
    median)"
}

printf '%s, %s, %d runs each, medians in ms\n' "$(date +%F)" \
  "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)" "$runs"
printf '%-6s %-6s %7s %9s %7s %7s %8s %9s\n' shape menu.js MiB converter \
  floor 'wc -l' ratio 'conv MB/s'
for shape in $shapes; do
  for mode in kept fresh; do
    read -r c f w r < <(race "$mode" "$shape.html")
    bytes=$(stat -c %s "$shape.html")
    awk -v s="$shape" -v m="$mode" -v b="$bytes" -v c="$c" -v f="$f" \
      -v w="$w" -v r="$r" 'BEGIN {
      printf "%-6s %-6s %7.1f %9.1f %7.1f %7.1f %8.2f %9.0f\n", s, m,
        b / 1048576, c / 1000, f / 1000, w / 1000, r, b / c }'
  done
done

# The cost of starting: a small real export, many runs.
c=() k=() r=()
for ((i = 0; i < 5 * runs; i++)); do
  c+=("$(time_us kept run-conv "$converter" "$small")")
  start=$EPOCHREALTIME
  cat "$small" >run-floor/menu.js
  end=$EPOCHREALTIME
  k+=($((${end/./} - ${start/./})))
  r+=("$(awk -v c="${c[i]}" -v k="${k[i]}" 'BEGIN { print c / k }')")
done
cm=$(printf '%s\n' "${c[@]}" | median) km=$(printf '%s\n' "${k[@]}" | median)
rm=$(printf '%s\n' "${r[@]}" | median)
awk -v c="$cm" -v k="$km" -v r="$rm" -v b="$(stat -c %s "$small")" 'BEGIN {
  printf "start: %d KB export: converter %.2f ms, cat %.2f ms, ratio %.2f\n",
    b / 1000, c / 1000, k / 1000, r }'

for shape in $shapes; do
  rss=$( { /usr/bin/time -f %M "$converter" "$shape.html" >/dev/null; } 2>&1)
  printf 'peak RSS on %-10s %6d KiB\n' "$shape.html" "$rss"
done
