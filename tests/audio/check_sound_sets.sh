#!/bin/sh
# The program's own choice of sound set and its check of the default sets, as a director meets
# them: the program (linked, not copied, so that it finds its sets beside itself) with the
# generated sets beside it, one German file taken away.
# Usage: check_sound_sets.sh <program> <generated sets> <scratch folder on the program's disk>
set -u
program=$1
sets=$2
work=$(mktemp -d "$3/sound-sets.XXXXXX")
trap 'rm -rf "$work"' EXIT
ln "$program" "$work/aerolap" 2>/dev/null || cp "$program" "$work/aerolap"
mkdir "$work/aerolap-sounds"
for language in en it de fr; do
    cp -R "$sets/$language" "$work/aerolap-sounds/$language"
done
rm "$work/aerolap-sounds/de/reriva3rira/5.wav"
unset AEROLAP_SOUNDS AEROLAP_LANG
failures=0

# check <what> <expected status> <text that must be there> <text that must not> -- <command>
check() {
    what=$1 status=$2 present=$3 absent=$4
    shift 5
    output=$("$@" 2>&1)
    actual=$?
    if [ "$actual" -ne "$status" ] || ! printf '%s' "$output" | grep -qF -- "$present" ||
        { [ -n "$absent" ] && printf '%s' "$output" | grep -qF -- "$absent"; }; then
        echo "FAIL: $what: status $actual (wanted $status), wanted \"$present\"" \
            "${absent:+and no \"$absent\"}; the check said:"
        printf '%s\n' "$output" | tail -n 20
        failures=$((failures + 1))
    else
        echo "ok: $what"
    fi
}

check "--lang it plays the Italian set" 1 \
    "$work/aerolap-sounds/it/reriva3rira/5.wav
    plays" "$work/aerolap-sounds/en/reriva3rira" -- "$work/aerolap" --check-sounds --lang it
check "the check names the German set's missing file" 1 \
    "    de: INCOMPLETE, 1 of 59 files fail
        $work/aerolap-sounds/de/reriva3rira/5.wav: missing" "" -- \
    "$work/aerolap" --check-sounds --lang it
check "AEROLAP_LANG=fr plays the French set" 1 "$work/aerolap-sounds/fr/reriva3rira/5.wav
    plays" "" -- env AEROLAP_LANG=fr "$work/aerolap" --check-sounds
check "a folder given wins over the language, and its own check is all" 0 \
    "$work/aerolap-sounds/fr/reriva3rira/5.wav
    plays" "Default sound sets" -- \
    "$work/aerolap" --check-sounds --lang de --sounds "$work/aerolap-sounds/fr"
check "the German set without its 5 does not play it" 1 \
    "$work/aerolap-sounds/de/reriva3rira/5.wav
    DOES NOT PLAY: missing" "" -- env AEROLAP_LANG=de "$work/aerolap" --check-sounds

[ "$failures" -eq 0 ]
