"""What one cycle with the start-up check boxes must send and sound, in seconds after START.

Built from the trigger rules rather than listed by hand, so other preparation and working times
only need other arguments.
"""

LANDING_SECONDS = 30


def time_text(seconds):
    return f"00.{seconds // 60:02d}.{seconds % 60:02d}"


def frame_for(seconds):
    text = time_text(seconds)
    return f"A{text[3:5]}{text[6:8]}\r".encode()


def _countdown(phase_start, length):
    """(moment, remaining seconds) for every second a countdown of `length` seconds shows."""
    return [(phase_start + length - remaining, remaining) for remaining in range(length, -1, -1)]


def expected_frames(preparation, working):
    """Every frame of the cycle, in order: each second of each phase, and at each phase change the
    "00.00" of the ending phase and then the first text of the next one."""
    working_start = preparation
    landing_start = preparation + working
    frames = [(t, frame_for(s)) for t, s in _countdown(0, preparation)]
    frames += [(t, frame_for(s)) for t, s in _countdown(working_start, working)]
    frames += [(t, frame_for(s)) for t, s in _countdown(landing_start, LANDING_SECONDS)]
    # The end of the landing window shows the preparation time again.
    frames.append((landing_start + LANDING_SECONDS, frame_for(preparation)))
    return frames


_COUNT = {5: "reriva3rira/5.wav", 4: "reriva3rira/4.wav", 3: "reriva3rira/3.wav",
          2: "reriva3rira/2.wav", 1: "reriva3rira/1.wav"}
_PREPARATION_CUES = {10: "reriva3rira/10secondi.wav", **_COUNT, 0: "reriva3rira/Sirena di nave.wav"}
_WORKING_CUES = {
    **{minutes * 60 + 3: f"reriva3rira/to{minutes}minuti.wav" for minutes in range(9, 0, -1)},
    **{minutes * 60: "zodura3v/beepTo.wav" for minutes in range(9, 0, -1)},
    33: "reriva3rira/to30secondi.wav",
    **_COUNT,
    0: "reriva3rira/Sirena di nave.wav",
}
_LANDING_CUES = {28: "reriva3rira/atterraggio30secondi.wav", 10: "reriva3rira/10secondi.wav",
                 **_COUNT, 0: "reriva3rira/FINE ATTERRAGGIO.wav"}


def expected_cues(preparation, working):
    """Every cue of the cycle, in order: the preparation announcement at START, then each phase's
    cues at the moments the running clock shows their texts."""
    cues = [(0, "reriva3rira/preparazione30secondi.wav")]
    for phase_start, length, table in ((0, preparation, _PREPARATION_CUES),
                                       (preparation, working, _WORKING_CUES),
                                       (preparation + working, LANDING_SECONDS, _LANDING_CUES)):
        cues += [(t, table[s]) for t, s in _countdown(phase_start, length) if s in table]
    return cues
