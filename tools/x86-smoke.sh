#!/usr/bin/env bash
# The x86 smoke stage: runs the x86 smoke driver (tests/x86/smoke.cpp, built in
# the win32 preset as bin/x86-smoke.exe) against the real x86 exes, in a WoW64
# Wine prefix of its own set to Windows XP.
#   x86-smoke.sh [BUILD_DIR]      default build/win32
# The last line is the driver's "x86 smoke: N passed, M failed"; the exit
# status is non-zero when a check failed or the driver did not finish.
#
# Where the kernel cannot run 32-bit Linux programs, the 32-bit Wine loader runs
# under qemu-i386-static, registered with binfmt_misc for i386 programs for as
# long as this stage runs and removed again on every way out. While it is
# registered, every 32-bit program on the machine runs emulated, so the
# registration comes after the prefix exists and goes as soon as the driver ends.
# VORLANE_X86_EMULATE=1 registers the emulator even where 32-bit programs run
# natively (to measure the emulated figures).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/win32}
driver=$build/bin/x86-smoke.exe
prefix=$build/x86-prefix
source "$root/tools/wine-env.sh"
wine32=/usr/lib/wine/wine
binfmt=/proc/sys/fs/binfmt_misc
entry=vorlane-i386
registered=""
mounted=""
server=""

if [ ! -f "$driver" ]; then
  echo "x86 smoke: no $driver (build the win32 preset first)" >&2
  echo "x86 smoke: 0 passed, 1 failed"
  exit 1
fi

cleanup() {
  if [ -n "$server" ]; then
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  if [ -n "$registered" ] && [ -e "$binfmt/$entry" ]; then
    echo -1 >"$binfmt/$entry" || true
  fi
  if [ -n "$mounted" ]; then
    umount "$binfmt" 2>/dev/null || true
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

seconds() { echo $((SECONDS - $1)); }

# The prefix first, before any emulator is registered: wineboot sets up the
# prefix's 32-bit half with 32-bit programs, which takes minutes emulated.
began=$SECONDS
"$root/tools/wine-prefix.sh" ensure "$prefix"
echo "x86 prefix ready after $(seconds "$began") s"

native32() { "$wine32" --version >/dev/null 2>&1; }
if [ "${VORLANE_X86_EMULATE:-0}" = 1 ] || ! native32; then
  if [ ! -e "$binfmt/register" ]; then
    mount -t binfmt_misc binfmt_misc "$binfmt"
    mounted=1
  fi
  # A registration left behind by a run that was killed outright goes first.
  [ -e "$binfmt/$entry" ] && echo -1 >"$binfmt/$entry"
  # i386 ELF executables and shared objects; F opens the emulator now, so it
  # serves processes in other mount namespaces and chroots too.
  magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  registered=1
  printf ':%s:M::%s:%s:/usr/bin/qemu-i386-static:F' "$entry" "$magic" "$mask" >"$binfmt/register"
  echo "x86 programs run emulated (qemu-i386-static registered as $entry)"
  native32 || { echo "the 32-bit Wine loader does not run even emulated" >&2; exit 1; }
else
  echo "x86 programs run natively"
fi

export WINEPREFIX=$prefix
server=$("$root/tools/wine-prefix.sh" start "$prefix")
# Every program in this prefix sees Windows XP.
"$wine64" reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d winxp /f >/dev/null 2>&1

# Each line of the driver with the seconds since its start was asked for: the
# first line shows how long one 32-bit process takes to start.
began=$SECONDS
status=0
summary=""
while IFS= read -r line; do
  line=${line%$'\r'}
  printf '[%4d s] %s\n' "$(seconds "$began")" "$line"
  case "$line" in "x86 smoke: "*) summary=$line ;; esac
done < <(timeout 1500 "$wine64" "$driver" 2>/dev/null </dev/null; echo "driver exit $?")
echo "x86 smoke driver ran $(seconds "$began") s"
cleanup
server=""
registered=""
mounted=""
if [ -z "$summary" ]; then
  echo "x86 smoke: 0 passed, 1 failed"
  exit 1
fi
echo "$summary"
case "$summary" in *" 0 failed") ;; *) status=1 ;; esac
exit "$status"
