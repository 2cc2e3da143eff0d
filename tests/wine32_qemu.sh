#!/usr/bin/env bash
# The 32-bit Wine loader on a kernel that runs no 32-bit code: qemu-i386
# runs each i386 program, registered with binfmt_misc in an instance of
# this process tree's own (a user and mount namespace; Linux 6.7 or
# later), so that nothing else on the machine sees it. The system-wide
# registration is never touched.
# Usage: tests/wine32_qemu.sh PROGRAM.exe ARG...   (as a Wine loader)
set -eu
qemu=${QEMU_I386:-/usr/bin/qemu-i386}
# i386 ELF executables; F: qemu is opened now, so that it serves in any
# mount namespace the programs go on to.
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
exec unshare --user --map-root-user --mount -- sh -c '
  mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc &&
  printf "%s" ":b2m-i386:M::$1:$2:$3:F" >/proc/sys/fs/binfmt_misc/register &&
  shift 3 && exec /usr/lib/wine/wine "$@"' wine32 "$magic" "$mask" "$qemu" "$@"
