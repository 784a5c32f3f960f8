#!/usr/bin/env bash
# Prints the speed and size figures: the benchmarks of the hot paths (optimised
# native build), the figures that need the real message loop (the Windows
# build under Wine), and the sizes of the two exes in the Windows XP (x86) build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tools/install-deps.sh
cmake --preset bench >/dev/null
cmake --build build/bench --target vorlane_bench -j2 >/dev/null
build/bench/bench/vorlane_bench --benchmark_min_time=0.2

cmake --preset win64 >/dev/null
cmake --build build/win64 --target vorlane_windows_bench -j2 >/dev/null
echo
echo "Under Wine, with the real message loop:"
prefix=$root/build/win64/wineprefix
server=$(tools/wine-prefix.sh start "$prefix")
source tools/wine-env.sh
WINEPREFIX=$prefix "$wine64" build/win64/bench/vorlane_windows_bench.exe
tools/wine-prefix.sh stop "$prefix"
wait "$server" 2>/dev/null || true

cmake --preset win32 >/dev/null
cmake --build --preset win32 >/dev/null
echo
echo "x86 exe sizes (goals: Vorlane.exe <= 400 KB, logger.exe <= 200 KB), and where the"
echo "bytes go by library, before the PE headers, imports, resources and relocations:"
for exe in Vorlane.exe logger.exe; do
  file=build/win32/bin/$exe
  [ -f "$file" ] || continue
  printf '  %-12s %6d KB\n' "$exe" $(( $(stat -c %s "$file") / 1024 ))
  [ -f "$file.map" ] && python3 tools/map_sizes.py "$file.map" --top 8 | sed 's/^/  /'
done
