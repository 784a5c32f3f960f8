#!/usr/bin/env bash
# Builds Vorlane every way and runs every test:
#   native            the portable code and its tests
#   native-sanitize   the same under AddressSanitizer and UndefinedBehaviorSanitizer
#   fuzz              the log reader under libFuzzer (clang) for about 30 seconds
#   win64             the Windows build; its tests run under Wine (host layer, controls,
#                     end-to-end scenarios with the real exes), plus the import check
#   win32             the Windows XP build: built and import-checked (not run: see README)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tools/install-deps.sh

passed=0
failed=0
run_ctest() {
  local log
  log=$(mktemp)
  local status=0
  ctest --preset "$1" --timeout 300 2>&1 | tee "$log" || status=$?
  local summary
  summary=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 || true)
  rm -f "$log"
  if [ -z "$summary" ]; then
    echo "ctest --preset $1 ran no test" >&2
    return 1
  fi
  local total fails
  fails=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")
  total=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$summary")
  passed=$((passed + total - fails))
  failed=$((failed + fails))
  return "$status"
}

build() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
}

status=0
for preset in native native-sanitize fuzz; do
  build "$preset"
  run_ctest "$preset" || status=1
done

build win64
prefix=$root/build/win64/wineprefix
server=$(tools/wine-prefix.sh start "$prefix")
trap 'WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true; kill "$server" 2>/dev/null || true' EXIT
WINEPREFIX=$prefix run_ctest win64 || status=1
tools/wine-prefix.sh stop "$prefix"
wait "$server" 2>/dev/null || true
trap - EXIT

build win32
run_ctest win32 || status=1

echo "Total: $passed passed, $failed failed"
exit "$status"
