#!/usr/bin/env bash
# Peak resident memory of the converter on inputs made to stress it: deep
# nesting (every record carries the most tabs, 64), a 32 MiB line between
# entries, and a 32 MiB title of characters that all need escaping.
# Usage: bench/memory.sh   (from the source tree; builds build/ first)
set -euo pipefail
cd "$(dirname "$0")/.."
work=build/bench-memory
mkdir -p "$work"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 --target bookmarks2menu >/dev/null
converter=$PWD/build/bookmarks2menu
cd "$work"
python3 - <<'PY'
deep = ''.join('<DT><H3 >F%d</H3>\n<DL><p>\n' % i for i in range(2000))
def entries(n):
    return ''.join('<DT><A HREF="https://e.org/%d">T%d</A>\n' % (i, i)
                   for i in range(n))
line = 32 << 20
with open('deep.html', 'w') as f:
    f.write(deep + entries(100000))
with open('deep-long-line.html', 'w') as f:
    f.write(deep + '<DT><A HREF="u" ICON="' + 'A' * line + '">t</A>\n'
            + entries(400000))
with open('long-escaped-title.html', 'w') as f:
    f.write('<DT><H3 >' + "'\\" * (line // 2) + '</H3>\n' + entries(1000))
PY
printf '%-24s %10s %12s %10s\n' input 'longest' 'peak RSS' 'bound'
for f in deep.html deep-long-line.html long-escaped-title.html; do
  longest=$(awk '{ if (length($0) > m) m = length($0) } END { print m + 1 }' "$f")
  rss=$( { /usr/bin/time -f %M "$converter" "$f" >/dev/null; } 2>&1)
  printf '%-24s %7d KiB %8d KiB %6d KiB\n' "$f" $((longest / 1024)) "$rss" \
    $((4096 + 2 * longest / 1024))
done
