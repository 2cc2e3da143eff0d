#!/bin/sh
# The systemd user units, checked without a running systemd.
#
#   units_test.sh verify SYSTEMD_ANALYZE UNITS PROGRAM
#     systemd-analyze verifies an instance of each unit in the folder UNITS:
#     not a word of complaint is allowed.
#   units_test.sh run UNITS PROGRAM EXAMPLE EXPECTED
#     the service's command line, run as systemd runs it (%f, %h, $$,
#     Environment= then EnvironmentFile=), converts EXAMPLE as a browser's
#     store into the page's folder: menu.js must be EXPECTED.
set -eu
mode=$1
shift
tmp=$(mktemp -d "${TMPDIR:-/tmp}/b2m-units-XXXXXX")
trap 'rm -rf "$tmp"' EXIT

# The units as installed, naming PROGRAM.
units() {
  sed "s|/usr/bin/bookmarks2menu|$2|" "$1/bookmarks2menu@.service" >"$tmp/$3.service"
  cp "$1/bookmarks2menu@.path" "$tmp/$3.path"
}

if [ "$mode" = verify ]; then
  # An instance as a user names it, with a dash and a space escaped.
  unit='bookmarks2menu@home-me-.config-google\x2dchrome-Profile\x201-Bookmarks'
  units "$2" "$3" "$unit"
  out=$(cd "$tmp" && XDG_RUNTIME_DIR=$tmp "$1" --user verify --man=no \
    "$unit.path" "$unit.service" 2>&1) || status=$?
  if [ -n "$out" ] || [ "${status:-0}" != 0 ]; then
    printf '%s\n' "$out"
    exit 1
  fi
  echo "both units verified"
  exit 0
fi

units "$1" "$2" unit
example=$3
expected=$4
home=$tmp/home
unit=$tmp/unit.service

# Runs the service for the store $1 as a user's systemd does: from the
# home folder, with a bare environment.
service() {
  set -- "$1" "$(sed -n 's/^Environment=//p' "$unit")" \
    "$(sed -n 's/^EnvironmentFile=-//p' "$unit")" \
    "$(sed -n 's/^ExecStart=//p' "$unit" | sed 's/\$\$/$/g')"
  store=$1 setting=$2 conf=$3 cmd=$4
  fill() { printf '%s' "$1" | sed -e "s|%h|$home|g" -e "s|%f|$store|g"; }
  setting=$(fill "$setting") conf=$(fill "$conf") cmd=$(fill "$cmd")
  eval "set -- $cmd"
  (
    cd "$home"
    export "${setting:?}"
    if [ -f "$conf" ]; then
      set -a
      # shellcheck source=/dev/null
      . "$conf"
      set +a
    fi
    exec env HOME="$home" "$@"
  )
}

fail() {
  echo "$1" >&2
  exit 1
}

# A Chromium store in a profile whose name holds a space, converted into
# the default folder.
page=$home/.local/share/bookmarks2menu
mkdir -p "$page" "$tmp/Profile 1"
cp "$example" "$tmp/Profile 1/Bookmarks"
service "$tmp/Profile 1/Bookmarks"
cmp "$page/menu.js" "$expected"

# Into the folder that folder.conf names.
site="$tmp/my site"
mkdir -p "$site" "$home/.config/bookmarks2menu"
printf 'FOLDER="%s"\n' "$site" >"$home/.config/bookmarks2menu/folder.conf"
service "$tmp/Profile 1/Bookmarks"
cmp "$site/menu.js" "$expected"

# A folder of backups gives its newest file: here one that cannot be
# opened, so the run fails, names it and leaves the last menu.js.
backups=$tmp/bookmarkbackups
mkdir "$backups"
: >"$backups/bookmarks-2026-12-01_9_old.jsonlz4"
touch -d 2026-12-01 "$backups/bookmarks-2026-12-01_9_old.jsonlz4"
ln -s gone "$backups/bookmarks-2026-12-02_9_new.jsonlz4"
if service "$backups" 2>"$tmp/err"; then
  fail "a backup that cannot be opened was converted"
fi
grep -q 'bookmarks-2026-12-02_9_new.jsonlz4' "$tmp/err" ||
  fail "not the newest backup: $(cat "$tmp/err")"
cmp "$site/menu.js" "$expected"

# A folder that is not there: nothing is written anywhere.
printf 'FOLDER=%s/nowhere\n' "$tmp" >"$home/.config/bookmarks2menu/folder.conf"
if service "$tmp/Profile 1/Bookmarks" 2>/dev/null; then
  fail "converted into a folder that is not there"
fi
[ ! -e "$home/menu.js" ] || fail "menu.js written in the home folder"
echo "the service converted as expected"
