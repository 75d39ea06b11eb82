#!/bin/sh
# Builds the default sound set from the manifest: espeak-ng speaks the voice lines, sox makes the
# effects. Every file comes out as 16-bit mono PCM at 22050 Hz, trimmed of leading and trailing
# silence and sped up where needed, so that no word runs past the next cue of a cycle.
# Usage: generate-sounds.sh <manifest> <output root>
set -eu

manifest=$1
root=$2
format="-r 22050 -c 1 -b 16 -e signed-integer"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

trim() { sed 's/^[[:space:]]*//; s/[[:space:]]*$//'; }

grep -v '^[[:space:]]*#' "$manifest" | grep -v '^[[:space:]]*$' |
while IFS='|' read -r file longest kind recipe; do
    file=$(printf '%s' "$file" | trim)
    longest=$(printf '%s' "$longest" | trim)
    kind=$(printf '%s' "$kind" | trim)
    recipe=$(printf '%s' "$recipe" | trim)
    target="$root/$file"
    mkdir -p "$(dirname "$target")"
    case $kind in
    voice)
        espeak-ng -v en -s 170 -w "$scratch/spoken.wav" "$recipe"
        # shellcheck disable=SC2086
        sox "$scratch/spoken.wav" $format "$scratch/raw.wav" \
            silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse
        ;;
    effect)
        # shellcheck disable=SC2086
        sox -n $format "$scratch/raw.wav" $recipe
        ;;
    *)
        echo "generate-sounds: unknown kind '$kind' for $file" >&2
        exit 1
        ;;
    esac
    duration=$(soxi -D "$scratch/raw.wav")
    speedup=$(echo "$duration $longest" | awk '{ if ($1 > $2) printf "%.4f", $1 / $2 * 1.02 }')
    if [ -n "$speedup" ]; then
        sox "$scratch/raw.wav" "$scratch/fitted.wav" tempo -s "$speedup"
        mv "$scratch/fitted.wav" "$scratch/raw.wav"
    fi
    mv "$scratch/raw.wav" "$target"
done
