#!/usr/bin/env bash
# Unpacks the package named first into a fresh temporary root, as dpkg would install it, and runs
# the rest of the command line with every @ROOT@ in it standing for that root.
set -euo pipefail
package=$1
shift
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$package" "$root"
for argument; do
    set -- "$@" "${argument//@ROOT@/$root}"
    shift
done
"$@"
