#!/usr/bin/env bash
# Installs what building and testing Vorlane needs on Debian 12, if missing.
# The x86 parts need i386 packages: Wine's 32-bit loader (wine32) to run the x86
# exes, and the i386 C/C++ libraries and GoogleTest for the native32 tests;
# qemu-user-static runs them where the kernel cannot run 32-bit programs.
set -euo pipefail
packages=(
  cmake make g++ clang libclang-rt-14-dev python3 googletest libgtest-dev libgmock-dev
  libbenchmark-dev libstb-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32
  wine wine64 wine32:i386 fonts-wine fonts-liberation fonts-dejavu-core xvfb
  gcc-multilib g++-multilib libgtest-dev:i386 libgmock-dev:i386 qemu-user-static
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
