#!/usr/bin/env bash
# Builds Vorlane every way and runs every test:
#   native            the portable code and its tests
#   native-sanitize   the same under AddressSanitizer and UndefinedBehaviorSanitizer
#   fuzz              the log reader under libFuzzer (clang) for about 30 seconds
#   native32          the portable tests once more as 32-bit programs with x87 arithmetic,
#                     as the x86 Windows build computes (emulated where the kernel
#                     cannot run 32-bit programs)
#   win64             the Windows build; its tests run under Wine (host layer, controls,
#                     end-to-end scenarios with the real exes), plus the import check
#   win32             the Windows XP build: import-checked, and the x86 smoke stage
#                     (tools/x86-smoke.sh) runs the real x86 exes under 32-bit Wine
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
for preset in native native-sanitize native32 fuzz; do
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
x86_log=$(mktemp)
tools/x86-smoke.sh "$root/build/win32" 2>&1 | tee "$x86_log" || status=1
x86_summary=$(grep -E '^x86 smoke: [0-9]+ passed, [0-9]+ failed' "$x86_log" | tail -n 1 || true)
rm -f "$x86_log"
if [ -n "$x86_summary" ]; then
  passed=$((passed + $(sed -E 's/x86 smoke: ([0-9]+) passed.*/\1/' <<<"$x86_summary")))
  failed=$((failed + $(sed -E 's/.* ([0-9]+) failed/\1/' <<<"$x86_summary")))
else
  failed=$((failed + 1))
  status=1
fi

echo "Total: $passed passed, $failed failed"
exit "$status"
