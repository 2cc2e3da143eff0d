#!/usr/bin/env bash
# Installs, as root, the Debian packages that CI needs and the machine
# lacks: nothing when all are there, else one index update and one install.
#
# A Debian mirror is sometimes in the middle of a sync: one index then
# fails its size or hash check and `apt-get update` exits 100, leaving the
# old index of that part. That is no reason to stop: the install decides
# whether what is there is enough. With a stale i386 index the 32-bit Wine
# cannot come from the default candidates (amd64 libraries from the
# security suite, i386 ones only from the release), so after a failed
# install the packages named after --together (those that share libraries
# across the two architectures) are installed from the release's own
# index, where both agree, and the rest as usual. A package that still
# cannot be installed fails, named.
#
#   .ci/packages.sh PACKAGE... [--together PACKAGE...]
#   (arch-qualified names like wine32:i386 too)
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
  local p apart=() together=() into=apart
  for p in "$@"; do
    if [[ $p == --together ]]; then
      into=together
    elif [[ $into == apart ]]; then
      apart+=("$p")
    else
      together+=("$p")
    fi
  done
  local missing missing_apart missing_together
  mapfile -t missing < <(missing_of "$@" | grep -vx -- --together)
  ((${#missing[@]})) || return 0
  echo "packages: installing ${missing[*]}"
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
  mapfile -t missing_apart < <(missing_of "${apart[@]}")
  mapfile -t missing_together < <(missing_of "${together[@]}")
  echo "packages: retrying: ${missing_together[*]:-nothing} from $rel alone," \
    "the rest as usual" >&2
  local ok=1
  if ((${#missing_apart[@]})); then
    apt_install "${missing_apart[@]}" || ok=0
  fi
  if ((${#missing_together[@]})); then
    apt_install ${rel:+-t "$rel"} "${missing_together[@]}" || ok=0
  fi
  ((ok)) && return 0
  mapfile -t missing < <(missing_of "$@" | grep -vx -- --together)
  name_the_uninstallable "${missing[@]}"
  return 1
}

main "$@"
