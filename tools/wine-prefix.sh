#!/usr/bin/env bash
# Sets up and serves the Wine prefix that the Windows tests run in.
#   wine-prefix.sh ensure PREFIX [--display]
#                                  create the prefix once (fonts, no crash dialog, and Wine's
#                                  null display driver unless --display asks for a real one)
#   wine-prefix.sh start  PREFIX   start a persistent wineserver and warm it; prints its process id
#   wine-prefix.sh stop   PREFIX   stop that server
set -euo pipefail
action=$1
export WINEPREFIX=$2
display=${3:-}
source "$(dirname "$0")/wine-env.sh"

reg_add() { "$wine64" reg add "$@" /f >/dev/null 2>&1; }

create_prefix() {
  mkdir -p "$WINEPREFIX"
  "$wine64" wineboot.exe -i >/dev/null 2>&1
  wineserver -w
  # Headless: real windows on Wine's null display driver, 1024 x 768.
  [ "$display" = --display ] || reg_add 'HKCU\Software\Wine\Drivers' /v Graphics /t REG_SZ /d null
  # A crash prints a backtrace and fails at once instead of hanging on a dialog.
  reg_add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
  reg_add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
  # This Wine does not load its own fonts: without these every text disappears.
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  for font in /usr/share/fonts/truetype/liberation/LiberationSans-*.ttf \
              /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf; do
    [ -f "$font" ] && cp "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
  done
  reg_add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans'
  reg_add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Arial Black' /t REG_SZ /d 'DejaVu Sans'
  reg_add 'HKCU\Software\Wine\Fonts\Replacements' /v Verdana /t REG_SZ /d 'DejaVu Sans'
  reg_add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS Sans Serif' /t REG_SZ /d 'Liberation Sans'
  reg_add 'HKCU\Software\Wine\Fonts\Replacements' /v Tahoma /t REG_SZ /d 'DejaVu Sans'
  wineserver -w
  touch "$WINEPREFIX/.vorlane-ready"
}

case "$action" in
  ensure)
    mkdir -p "$(dirname "$WINEPREFIX")"
    # Several test processes may ask at once: one creates, the others wait.
    exec 9>"$WINEPREFIX.lock"
    flock 9
    [ -f "$WINEPREFIX/.vorlane-ready" ] || create_prefix
    ;;
  start)
    "$0" ensure "$WINEPREFIX"
    # The server's own output goes nowhere: the first Wine client's streams are
    # inherited by Wine's services for good, so they must not be a pipe someone reads.
    wineserver -f -p >/dev/null 2>&1 &
    echo $!
    "$wine64" cmd /c exit >/dev/null 2>&1 </dev/null || true
    ;;
  stop)
    wineserver -k >/dev/null 2>&1 || true
    ;;
  *)
    echo "usage: $0 ensure|start|stop PREFIX" >&2
    exit 2
    ;;
esac
