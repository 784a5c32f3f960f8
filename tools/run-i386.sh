#!/usr/bin/env bash
# Runs a 32-bit Linux program (the native32 preset's tests): directly where the
# kernel runs 32-bit programs, through qemu-i386-static where it cannot. The
# i386 dynamic loader, which every such program needs, tells which.
if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  exec "$@"
fi
exec /usr/bin/qemu-i386-static "$@"
