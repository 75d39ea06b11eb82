"""A test sound set of distinct tones, and finding those tones again in a recording."""

import math
import subprocess

from .sound_server import SAMPLE_RATE

# The 24 files of the sound table, under their two folders.
SOUND_FILES = [
    "reriva3rira/to9minuti.wav",
    "reriva3rira/to8minuti.wav",
    "reriva3rira/to7minuti.wav",
    "reriva3rira/to6minuti.wav",
    "reriva3rira/to5minuti.wav",
    "reriva3rira/to4minuti.wav",
    "reriva3rira/to3minuti.wav",
    "reriva3rira/to2minuti.wav",
    "reriva3rira/to1minuti.wav",
    "reriva3rira/to30secondi.wav",
    "reriva3rira/preparazione30secondi.wav",
    "reriva3rira/atterraggio30secondi.wav",
    "reriva3rira/10secondi.wav",
    "reriva3rira/5.wav",
    "reriva3rira/4.wav",
    "reriva3rira/3.wav",
    "reriva3rira/2.wav",
    "reriva3rira/1.wav",
    "reriva3rira/BEEPVUZ.WAV",
    "reriva3rira/BEEP3SEC.WAV",
    "reriva3rira/Sirena di nave.wav",
    "reriva3rira/FINE ATTERRAGGIO.wav",
    "zodura3v/Sirena di nave.wav",
    "zodura3v/beepTo.wav",
]

# Shorter than the one second between the closest cues of a cycle, so every cue starts from silence.
TONE_SECONDS = 0.2
_LOWEST_HZ = 500
_STEP_HZ = 150
_AMPLITUDE = 0.5

_SILENCE_LEVEL = 300  # of 32767; the null sink's silence is exact zeros
_BLOCK = 80  # 5 ms at 16 kHz
_GAP_SAMPLES = int(0.05 * SAMPLE_RATE)  # silence that separates two tones
_ANALYSIS_SAMPLES = int(0.04 * SAMPLE_RATE)  # 25 Hz resolution, far finer than the 150 Hz spacing
_SKIP_SAMPLES = int(0.002 * SAMPLE_RATE)
_DOMINANCE = 10.0  # power of the best tone over the second best


def tone_frequencies():
    return {name: _LOWEST_HZ + _STEP_HZ * index for index, name in enumerate(SOUND_FILES)}


def write_sound_set(root):
    for name, frequency in tone_frequencies().items():
        path = root / name
        path.parent.mkdir(parents=True, exist_ok=True)
        subprocess.run(
            ["sox", "-n", "-r", str(SAMPLE_RATE), "-c", "1", "-b", "16", str(path),
             "synth", str(TONE_SECONDS), "sine", str(frequency), "vol", str(_AMPLITUDE)],
            check=True, capture_output=True, timeout=30,
        )


class HeardTone:
    def __init__(self, start_sample, length_samples, name, dominance):
        self.start_sample = start_sample
        self.length_samples = length_samples
        self.name = name
        self.dominance = dominance


def find_tones(samples):
    """Every stretch of sound in the recording, with the file whose tone it carries."""
    frequencies = tone_frequencies()
    return [
        HeardTone(start, length, *_identify(samples, start, frequencies))
        for start, length in _sound_stretches(samples)
    ]


def _sound_stretches(samples):
    stretches = []
    start = None
    last_loud = None
    for block_start in range(0, len(samples), _BLOCK):
        block = samples[block_start : block_start + _BLOCK]
        if max(block) <= _SILENCE_LEVEL and -min(block) <= _SILENCE_LEVEL:
            if start is not None and block_start - last_loud > _GAP_SAMPLES:
                stretches.append((start, last_loud - start + 1))
                start = None
            continue
        loud = [i for i, value in enumerate(block) if abs(value) > _SILENCE_LEVEL]
        if start is None:
            start = block_start + loud[0]
        last_loud = block_start + loud[-1]
    if start is not None:
        stretches.append((start, last_loud - start + 1))
    return stretches


def _identify(samples, start, frequencies):
    window = samples[start + _SKIP_SAMPLES : start + _SKIP_SAMPLES + _ANALYSIS_SAMPLES]
    powers = sorted(((_goertzel_power(window, f), name) for name, f in frequencies.items()), reverse=True)
    (best, name), (second, _) = powers[0], powers[1]
    return name, best / second if second > 0 else math.inf


def _goertzel_power(window, frequency):
    coefficient = 2 * math.cos(2 * math.pi * frequency / SAMPLE_RATE)
    previous = before_previous = 0.0
    for value in window:
        previous, before_previous = value + coefficient * previous - before_previous, previous
    return previous * previous + before_previous * before_previous - coefficient * previous * before_previous


def is_clear(tone):
    return tone.dominance >= _DOMINANCE
