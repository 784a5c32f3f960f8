#!/usr/bin/env bash
# Builds Vorlane for Windows and starts it under Wine.
#   With a display ($DISPLAY set): Vorlane opens on it, from build/win64/bin, in
#   its own Wine prefix (build/run-prefix), so every later start is a real later
#   start: run it again to see the learning and the watch.
#   Without a display: a short scripted tour of the first use runs on a virtual
#   X display (Xvfb) and saves a screenshot of every step into build/tour/,
#   beside the button gallery the README shows (buttons.png, button-pictures.png).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64
source tools/wine-env.sh

if [ -n "${DISPLAY:-}" ]; then
  export WINEPREFIX=$root/build/run-prefix
  tools/wine-prefix.sh ensure "$WINEPREFIX" --display
  exec "$wine64" "$root/build/win64/bin/Vorlane.exe"
fi

tour=$root/build/tour
rm -rf "$tour"
mkdir -p "$tour"
prefix=$root/build/tour-prefix
# The tour photographs another program's windows, which only a display that
# draws them can show: a virtual X display, with Wine's X11 driver in the tour's
# own prefix (the test prefixes keep the null driver).
tools/wine-prefix.sh ensure "$prefix" --display
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$display_file")
rm -f "$display_file"
server=$(tools/wine-prefix.sh start "$prefix")
trap 'WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true; wait "$server" 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true' EXIT
tour_folder=$(WINEPREFIX=$prefix "$wine64" winepath.exe -w "$tour")
WINEPREFIX=$prefix VORLANE_SCREENSHOTS=$tour_folder \
  "$wine64" "$root/build/win64/bin/vorlane_e2e_tests.exe" --gtest_filter='FirstUse.*' --gtest_brief=1
# The README's button gallery, drawn with GDI beside the screenshots.
WINEPREFIX=$prefix VORLANE_GALLERY=$tour_folder "$wine64" \
  "$root/build/win64/controls/button/tests/vorlane_button_win32_tests.exe" \
  --gtest_filter='ButtonGallery.*' --gtest_brief=1
echo "No display: the first-use tour ran on a virtual X display. Screenshots and the button gallery: $tour"
ls "$tour"
