#!/bin/sh
# Makes a fresh Wine prefix for one test run: the Windows tests and the whole-program run under
# Wine share it. Wine's own Mono and Gecko are not wanted (nor downloadable here).
# Usage: make-wine-prefix.sh PREFIX
set -eu
prefix=$1
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine wants a home folder, which a bare CI environment may not name.
export HOME="${HOME:-$prefix}"
if [ -d "$prefix" ]; then
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    /usr/lib/wine/wineserver -w 2>/dev/null || true
    rm -rf "$prefix"
fi
# Debian's 32-bit Wine is not installed: its rundll32 is missed once, harmlessly.
/usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1 || true
/usr/lib/wine/wineserver -w
test -f "$prefix/system.reg" || { echo "Wine could not make a prefix in $prefix" >&2; exit 1; }
# Windows has Arial and Microsoft Sans Serif, the families the Windows program asks for; Wine has
# neither. Debian's Liberation Sans, with Arial's metrics, stands in for both under their names.
for family in "Arial" "Microsoft Sans Serif"; do
    /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$family" \
        /d "Liberation Sans" /f >/dev/null 2>&1
done
/usr/lib/wine/wineserver -w
echo "Wine prefix ready: $prefix"
