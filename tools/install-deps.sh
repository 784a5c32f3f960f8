#!/usr/bin/env bash
# Installs what building and testing Vorlane needs on Debian 12, if missing.
set -euo pipefail
packages=(
  cmake make g++ clang libclang-rt-14-dev python3 googletest libgtest-dev libgmock-dev
  libbenchmark-dev libstb-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine wine64 fonts-wine fonts-liberation fonts-dejavu-core xvfb
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
