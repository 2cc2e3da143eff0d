#!/usr/bin/env bash
# Installs, as root, the Debian packages that CI needs and the machine
# lacks: nothing when all are there, else one index update and one install.
#
# A Debian mirror is sometimes in the middle of a sync: one index then
# fails its size or hash check and `apt-get update` exits 100, leaving the
# old index of that part. That is no reason to stop: the install decides
# whether what is there is enough. With a stale i386 index the 32-bit Wine
# cannot come from the default candidates (amd64 libraries from the
# security suite, i386 ones only from the release), so a failed install is
# tried once more with every package taken from the release's own index,
# where both architectures agree. A package that still cannot be installed
# fails, named.
#
#   .ci/packages.sh PACKAGE...      (arch-qualified names like wine32:i386 too)
set -uo pipefail

# The release everything can be taken from alike.
release() {
  (. /etc/os-release && echo "${VERSION_CODENAME:-}")
}

missing_of() {
  local p
  for p in "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || echo "$p"
  done
}

# One update; a part that fails is reported, and the run goes on.
update_index() {
  if ! apt-get update -qq -o Acquire::Retries=3; then
    echo "packages: apt-get update failed in part (a mirror mid-sync?);" \
      "going on with the indexes there are" >&2
  fi
}

apt_install() {
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o Acquire::Retries=3 \
    --no-install-recommends "$@"
}

# Which of the packages cannot be installed, even from the release alone.
name_the_uninstallable() {
  local p bad=()
  for p in "$@"; do
    apt-get install -s -qq -t "$(release)" "$p" >/dev/null 2>&1 || bad+=("$p")
  done
  echo "packages: cannot install: ${bad[*]:-(each alone can; together they conflict: $*)}" >&2
}

main() {
  local missing
  mapfile -t missing < <(missing_of "$@")
  ((${#missing[@]})) || return 0
  echo "packages: installing ${missing[*]}"
  local p
  for p in "${missing[@]}"; do
    case $p in
    *:i386)
      dpkg --print-foreign-architectures | grep -qx i386 ||
        dpkg --add-architecture i386
      ;;
    esac
  done
  update_index
  apt_install "${missing[@]}" && return 0
  local rel
  rel=$(release)
  if [[ -n $rel ]]; then
    echo "packages: retrying with every package from $rel alone" >&2
    apt_install -t "$rel" "${missing[@]}" && return 0
  fi
  name_the_uninstallable "${missing[@]}"
  return 1
}

main "$@"
