#!/bin/sh
# Builds the default sound sets from the manifest, one folder per language under the output root:
# espeak-ng speaks each voice line with the language's voice, sox makes the effects (the same in
# every set). Every file comes out as 16-bit mono PCM at 22050 Hz, trimmed of leading and trailing
# silence and sped up where needed, so that no word runs past the next cue of a cycle; a file that
# still lasts longer than the manifest allows stops the build.
# Usage: generate-sounds.sh <manifest> <output root> <language>... (in the manifest's column order)
set -eu

manifest=$1
root=$2
shift 2
format="-r 22050 -c 1 -b 16 -e signed-integer"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

trim() { sed 's/^[[:space:]]*//; s/[[:space:]]*$//'; }

# The words of the language in column $1 (1 for the first language) of the texts in $2.
words() { printf '%s' "$2" | cut -d '|' -f "$1" | trim; }

# Speeds $scratch/raw.wav up to fit $1 seconds.
fit() {
    duration=$(soxi -D "$scratch/raw.wav")
    speedup=$(echo "$duration $1" | awk '{ if ($1 > $2) printf "%.4f", $1 / $2 * 1.02 }')
    if [ -n "$speedup" ]; then
        sox "$scratch/raw.wav" "$scratch/fitted.wav" tempo -s "$speedup"
        mv "$scratch/fitted.wav" "$scratch/raw.wav"
    fi
}

# Puts $scratch/raw.wav at $2 once it is checked to last at most $1 seconds.
keep() {
    length=$(soxi -D "$scratch/raw.wav")
    if ! echo "$length $1" | awk '{ exit !($1 <= $2) }'; then
        echo "generate-sounds: $2 lasts $length s, longer than its $1 s" >&2
        exit 1
    fi
    mkdir -p "$(dirname "$2")"
    cp "$scratch/raw.wav" "$2"
}

grep -v '^[[:space:]]*#' "$manifest" | grep -v '^[[:space:]]*$' |
while IFS='|' read -r file longest kind texts; do
    file=$(printf '%s' "$file" | trim)
    longest=$(printf '%s' "$longest" | trim)
    kind=$(printf '%s' "$kind" | trim)
    case $kind in
    voice)
        column=1
        for language in "$@"; do
            spoken=$(words "$column" "$texts")
            if [ -z "$spoken" ]; then
                echo "generate-sounds: no $language words for $file" >&2
                exit 1
            fi
            espeak-ng -v "$language" -s 170 -w "$scratch/spoken.wav" "$spoken"
            # shellcheck disable=SC2086
            sox "$scratch/spoken.wav" $format "$scratch/raw.wav" \
                silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse
            fit "$longest"
            keep "$longest" "$root/$language/$file"
            column=$((column + 1))
        done
        ;;
    effect)
        # shellcheck disable=SC2086
        sox -n $format "$scratch/raw.wav" $(printf '%s' "$texts" | trim)
        fit "$longest"
        for language in "$@"; do
            keep "$longest" "$root/$language/$file"
        done
        ;;
    *)
        echo "generate-sounds: unknown kind '$kind' for $file" >&2
        exit 1
        ;;
    esac
done
