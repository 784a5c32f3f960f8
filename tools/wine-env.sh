# Sourced by the Wine scripts: the 64-bit loader and the quiet defaults.
# With Debian's wine32 installed, the plain `wine` command tries the 32-bit loader
# first, which is slow (or emulated) on these machines: 64-bit exes start with
# the 64-bit loader directly.
wine64=/usr/lib/wine/wine64
export WINELOADER=$wine64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
