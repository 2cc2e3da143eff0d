#!/usr/bin/env bash
# Runs a Windows build under Wine on every test input and compares menu.js,
# standard output, standard error and exit status byte for byte with the
# Linux build's; then the cases where Windows answers in its own words.
# Usage: tests/wine_compare.sh LINUX_EXE WINDOWS_EXE [WINE]
set -u
linux=$(realpath "$1")
windows=$(realpath "$2")
wine=${3:-/usr/lib/wine/wine64}
src=$(cd "$(dirname "$0")/.." && pwd)
export WINEDEBUG=-all
# One prefix per loader: a prefix made by the 32-bit one cannot run 64-bit.
export WINEPREFIX=${WINEPREFIX:-${HOME:-/tmp}/.wine-bookmarks2menu-${wine##*/}}
work=$(mktemp -d "${TMPDIR:-/tmp}/b2m-wine-XXXXXX")
trap 'chattr -i "$work"/*/menu.js 2>/dev/null; rm -rf "$work"' EXIT

passed=0 failed=0
verdict() { # OK WHAT
  if "$1"; then passed=$((passed + 1)); else
    failed=$((failed + 1)); echo "FAIL $2"; fi
}

# run DIR COMMAND...: the command's outputs and status, kept in DIR.
run() {
  local dir=$1
  shift
  (cd "$dir" && "$@" >stdout 2>stderr; echo $? >status)
}

same_as_linux() { # INPUT [NAME [DECOY-NAME DECOY]]
  local n=$((passed + failed)) ok=true name=${2:-in.html} d
  for d in "$work/l$n" "$work/w$n"; do
    mkdir -p "$d"
    [[ -e $1 ]] && cp "$1" "$d/$name"
    [[ -n ${3:-} ]] && cp "$4" "$d/$3"
  done
  run "$work/l$n" "$linux" "$name"
  run "$work/w$n" "$wine" "$windows" "$name"
  # The Windows runtime ends its report lines with CR LF.
  [[ -s $work/w$n/stderr ]] && sed -i 's/\r$//' "$work/w$n/stderr"
  for f in menu.js stdout stderr status; do
    # A failed run makes no menu.js: neither build may leave one.
    [[ -e $work/l$n/$f || -e $work/w$n/$f ]] || continue
    cmp -s "$work/l$n/$f" "$work/w$n/$f" || ok=false
  done
  verdict $ok "$name${LANG:+ ($LANG)}: differs from the Linux build"
}

# expect NAME SETUP ARGS -- STATUS STDOUT-REGEX STDERR MENU: Windows'
# own texts, with the CR LF its text-mode console streams write.
expect() {
  local what=$1 setup=$2 args=$3 status=$4 out=$5 err=$6 menu=$7
  local dir=$work/x$((passed + failed)) ok=true
  mkdir -p "$dir"
  (cd "$dir" && eval "$setup")
  # shellcheck disable=SC2086
  run "$dir" "$wine" "$windows" $args
  [[ $(cat "$dir/status") == "$status" ]] || ok=false
  if [[ -z $out ]]; then [[ ! -s $dir/stdout ]] || ok=false
  else grep -Pzq "^$out\$" "$dir/stdout" || ok=false; fi
  [[ $(od -An -c "$dir/stderr") == "$(printf "%b" "$err" | od -An -c)" ]] || ok=false
  if [[ $menu == absent ]]; then [[ ! -e $dir/menu.js ]] || ok=false
  else [[ $(cat "$dir/menu.js") == "$menu" ]] || ok=false; fi
  verdict $ok "$what"
  $ok || head -c 300 "$dir/stdout" "$dir/stderr"
}

# A file root may still write: make it immutable where the file system can.
read_only() {
  echo old >menu.js
  if [[ $(id -u) == 0 ]]; then chattr +i menu.js; else chmod 444 menu.js; fi
}

"$wine" "$windows" -h >/dev/null 2>&1 # the first start makes the prefix

for f in "$src"/tests/corpus/* "$src"/tests/data/*.html \
  "$src"/tests/fuzz_regressions/* "$src"/examples/bookmarks.html; do
  same_as_linux "$f"
done
same_as_linux /dev/null
# Browsers' own stores, and broken ones: the reason, and no menu.
for f in "$src"/tests/stores/*/{chromium-Bookmarks.json,firefox-backup.json*}; do
  d=${f%/*} n=$((passed + failed))
  same_as_linux "$f" "${d##*/}-${f##*/}"
  # Not the same refusal twice: the Linux build reads it.
  verdict "$([[ $(cat "$work/l$n/status") == 0 ]] && echo true || echo false)" \
    "${f#"$src"/}: the Linux build made no menu"
done
stores=$src/tests/stores/viewer
head -c 1000 "$stores/chromium-Bookmarks.json" >"$work/cut.json"
printf '{"roots": []}' >"$work/shape.json"
head -c 30 "$stores/firefox-backup.jsonlz4" >"$work/cut.jsonlz4"
cp "$stores/firefox-backup.jsonlz4" "$work/flipped.jsonlz4"
printf '\xff' | dd of="$work/flipped.jsonlz4" bs=1 seek=100 conv=notrunc \
  status=none
for f in cut.json shape.json cut.jsonlz4 flipped.jsonlz4; do
  same_as_linux "$work/$f" "$f"
done
# A 0x1A byte with more after it: the warning names its line.
printf '<DT><A HREF="a">t</A>\r\n<DL>\n<DT>\x1a<A HREF="b">u</A>\n' \
  >"$work/stop.html"
same_as_linux "$work/stop.html"
# Old Mac line ends, CR alone, with a quote in a note before an entry.
printf '%s\r' '<DL><p>' '<DT><H3>F</H3>' '<DL><p>' '<DT><A HREF="a">A</A>' \
  '<DD>a "note' '<DT><A HREF="b">B</A>' '</DL><p>' '</DL><p>' >"$work/cr.html"
same_as_linux "$work/cr.html"

# Names in any script, whatever the code page: a Western one lacks the
# Chinese and Russian letters, a Japanese one the u-umlaut, which Windows'
# best fit would turn into the plain u of the decoy beside it.
example=$src/examples/bookmarks.html decoy=$src/tests/data/worked.html
for LANG in en_US.UTF-8 ja_JP.UTF-8; do
  export LANG LC_ALL=$LANG
  for name in 书签.html Закладки.html "🔖 marks.html"; do
    same_as_linux "$example" "$name"
    same_as_linux /nonexistent "$name"
  done
  same_as_linux "$example" Lesezeichen-für-mich.html \
    Lesezeichen-fur-mich.html "$decoy"
done
unset LANG LC_ALL

usage='USAGE: .*bookmarks2menu\.exe bookmarks_file\r\nCreate javascript menu file from bookmarks file\r\n'
expect "usage" ":" "" 1 "$usage" "" absent
expect "-h" "echo x >-h" "-h" 1 "$usage" "" absent
expect "missing file makes no menu.js" ":" "nope.html" 1 "" \
  'nope.html: No such file or directory\r\n' absent
expect "missing file keeps the last menu" "echo old >menu.js" nope.html 1 "" \
  'nope.html: No such file or directory\r\n' old
expect "menu.js as its own input" "cp '$src/tests/data/worked.html' menu.js" \
  menu.js 0 "" "bookmarks2menu: menu.js: no bookmarks found; is it a \
browser's bookmarks export?\r\n" $'var MAX = 1;\r'
expect "read-only menu.js" read_only "in.html" 1 "" \
  'menu.js: Permission denied\r\n' old
expect "directory as input" "mkdir dir" "dir" 1 "" \
  'dir: Permission denied\r\n' absent
expect "menu.js replaced whole, no file left beside it" \
  "echo old >menu.js; cp '$src/tests/data/worked.html' in.html" in.html 0 "" \
  "" "$(cat "$src/tests/data/worked.menu.js")"
left=$(find "$work" -name '.menu.js.*')
verdict "$([[ -z $left ]] && echo true || echo false)" \
  "a temporary menu left behind: $left"

echo "$passed passed, $failed failed"
((failed == 0))
