#!/usr/bin/env bash
# CTest's emulator for the Windows builds: runs a Windows exe under Wine in the
# build folder's own prefix (created on first use).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${WINEPREFIX:-}" ]; then
  dir=$PWD
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ -f "$dir/CMakeCache.txt" ] || { echo "wine-run.sh: not inside a build folder" >&2; exit 2; }
  export WINEPREFIX=$dir/wineprefix
fi
source "$here/wine-env.sh"
"$here/wine-prefix.sh" ensure "$WINEPREFIX"
exec "$wine64" "$@"
