#!/bin/sh
# Runs a Windows program of the build under Wine 64, in the test run's own Wine prefix, with the
# SDK's DLLs found from the program's folder or the SDK (Qt finds its plugins beside its DLLs).
# Usage: wine.sh PREFIX SDK PROGRAM [ARGUMENTS...]
set -eu
prefix=$1 sdk=$2
shift 2
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine wants a home folder, which a bare CI environment may not name.
export HOME="${HOME:-$prefix}"
# Wine maps the host's root to drive Z:.
export WINEPATH="Z:$(echo "$sdk/bin" | tr / '\\')"
exec /usr/lib/wine/wine64 "$@"
