#!/usr/bin/env python3
"""One whole contest cycle of the real program, watched from outside like an operator and a display.

The program runs on a private Xvfb display under openbox, plays into a private PulseAudio null sink
whose monitor is recorded, and writes its frames to a pseudo-terminal named as port 1. The test
only clicks and types on the window, then checks the frames, the tones heard, the colour of the
START button and the exit.

Time base. Every moment is CLOCK_MONOTONIC (Python's time.monotonic()). Frames are stamped when
the pseudo-terminal delivers them. The recording is placed on the same clock by the arrivals of its
10 ms chunks: a chunk cannot arrive before its last sample was mixed, so the earliest settled
"arrival minus samples so far" is when the recording's first sample was mixed (this also takes the
recorder's start latency out); the null sink plays a sample its configured latency (10 ms, the
recorder's request) after mixing it, and that is added, so onsets are the moments the sink plays
them. START, the zero of every due moment, is the moment the program's running clock
started as the frames show it: the earliest "arrival minus due second" over the frames of the
cycle, so cues are measured against the seconds the display actually showed. The click itself is
bracketed by the start of xdotool and its release of the button (xdotool pauses 100 ms after the
release before it exits); the delay from that release to START is checked separately.
"""

import argparse
import os
import signal
import statistics
import subprocess
import sys
import tempfile
import time
import traceback
from pathlib import Path

sys.dont_write_bytecode = True

from harness.cycle_timeline import expected_cues, expected_frames  # noqa: E402
from harness.desktop import TWIPS_PER_PIXEL, Desktop  # noqa: E402
from harness.processes import ProcessGroup, wait_until  # noqa: E402
from harness.serial_peer import SerialPeer  # noqa: E402
from harness.sound_server import SAMPLE_RATE, SoundServer  # noqa: E402
from harness.tones import find_tones, is_clear, write_sound_set  # noqa: E402

PREPARATION_TEXT, PREPARATION_S = "00.00.12", 12
WORKING_TEXT, WORKING_S = "00.01.05", 65
TOLERANCE_S = 0.060

MAIN_TITLE = "Aerolap-Vuz by Birno ver.3.4.2 VERSIONE INGLESE"
ABOUT_TITLE = "Informazioni su Aerolap"
EXIT_QUESTION_TITLE = "Aerolap "

# Element rectangles in twips (left, top, width, height), relative to their container's client area.
FRAME1 = (1800, 3720, 7335, 3375)
CMD_OK = (4245, 2625, 1260, 345)
COMMAND1_SETUP = (120, 7320, 1695, 495)
COMMAND5_START = (3960, 7320, 2895, 615)
OPTION3_TO_LIBERO = (3840, 1320, 1215, 255)
CLOCK2 = (2400, 1440, 1680, 315)
CLOCK3 = (6840, 1440, 1680, 315)

# Pause after an operator action so the program has drawn its answer before the next one.
SETTLE_S = 0.4


class TestFailure(Exception):
    pass


class Element:
    """An element's rectangle on the screen, from its twips and its container's client origin."""

    def __init__(self, origin, twips, container=(0, 0, 0, 0)):
        left = container[0] + twips[0]
        top = container[1] + twips[1]
        self.x = origin[0] + left // TWIPS_PER_PIXEL
        self.y = origin[1] + top // TWIPS_PER_PIXEL
        self.width = twips[2] // TWIPS_PER_PIXEL
        self.height = twips[3] // TWIPS_PER_PIXEL

    def centre(self):
        return self.x + self.width // 2, self.y + self.height // 2

    def near_left(self, pixels=8):
        return self.x + pixels, self.y + self.height // 2


class Report:
    def __init__(self):
        self.failures = []

    def check(self, condition, message):
        if not condition:
            self.failures.append(message)
            print(f"FAIL: {message}", flush=True)
        return condition

    @staticmethod
    def say(message):
        print(message, flush=True)


def colour_share(pixels, dominant):
    """Share of the pixels in which channel `dominant` is strong and well above the other two."""
    def matches(pixel):
        others = [value for index, value in enumerate(pixel) if index != dominant]
        return pixel[dominant] >= 150 and pixel[dominant] - max(others) >= 100
    return sum(1 for p in pixels if matches(p)) / max(1, len(pixels))


# Channel indexes of an (r, g, b) pixel.
GREEN, RED = 1, 0


def check_button_colour(report, desktop, start_button, channel, state):
    inset = 4
    pixels = desktop.grab(start_button.x + inset, start_button.y + inset,
                          start_button.width - 2 * inset, start_button.height - 2 * inset)
    share = colour_share(pixels, channel)
    name = "green" if channel == GREEN else "red"
    report.say(f"  cycle button rectangle in {state}: {share:.0%} {name}")
    report.check(share >= 0.5, f"the START/STOP rectangle is not {name} in {state} ({share:.0%})")


def lag_summary(lags):
    ms = [lag * 1000 for lag in lags]
    return (f"min {min(ms):+.1f} ms, median {statistics.median(ms):+.1f} ms, "
            f"max {max(ms):+.1f} ms over {len(ms)}")


def clock_start(frames):
    """START as the frames show it, or None when no frame of the cycle came as expected."""
    expected = expected_frames(PREPARATION_S, WORKING_S)
    bounds = [arrived - due for (due, want), (arrived, data) in zip(expected, frames) if data == want and due > 0]
    return min(bounds) if bounds else None


def check_frames(report, frames, start):
    expected = expected_frames(PREPARATION_S, WORKING_S)
    report.say(f"Frames after the click on START: {len(frames)} received, {len(expected)} expected")
    for index, ((due, want), (_, data)) in enumerate(zip(expected, frames)):
        if data != want:
            report.check(False, f"frame {index} is {data!r}, expected {want!r} (due at START+{due} s)")
            return
    report.check(len(frames) == len(expected),
                 f"{len(frames)} frames after the click on START, expected {len(expected)}"
                 + (f"; extra: {[d for _, d in frames[len(expected):]]}" if len(frames) > len(expected) else ""))
    lags = [arrived - (start + due) for (due, _), (arrived, _) in zip(expected, frames)]
    if not lags:
        return
    report.say(f"  frame arrival against START + due second: {lag_summary(lags)}")
    late = [(expected[i][0], expected[i][1], lag) for i, lag in enumerate(lags) if abs(lag) > TOLERANCE_S]
    report.check(not late, f"frames outside ±{TOLERANCE_S * 1000:.0f} ms: "
                 + ", ".join(f"{d!r} at START+{t} s: {lag * 1000:+.0f} ms" for t, d, lag in late[:10]))


def check_reaction(report, click, start):
    reaction = start - click.released
    report.say(f"  START (program clock start seen in the frames) {1000 * reaction:+.1f} ms after the release of"
               f" the click; xdotool started {1000 * (click.released - click.requested):.1f} ms before the release")
    report.check(-TOLERANCE_S <= reaction <= TOLERANCE_S,
                 f"the program's clock started {1000 * reaction:+.0f} ms after the click on START")


def check_tones(report, sound, recorder, start, frames):
    mixed, spread = recorder.time_base()
    ahead = sound.sink_latency()
    recording_start = mixed + ahead
    report.say(f"Recording: {recorder.recorded_seconds():.1f} s; chunk arrival spread {spread * 1000:.1f} ms;"
               f" the sink plays {ahead * 1000:.1f} ms after mixing")
    heard = [t for t in find_tones(recorder.samples())
             if recording_start + t.start_sample / SAMPLE_RATE >= start - 1.0]
    expected = expected_cues(PREPARATION_S, WORKING_S)
    # The poll that requests a cue has just sent the frame of the same second: onset minus that frame's
    # arrival is the sound path alone, free of how START was estimated.
    frame_arrival = {}
    for (due, _), (arrived, _) in zip(expected_frames(PREPARATION_S, WORKING_S), frames):
        frame_arrival.setdefault(due, arrived)
    report.say(f"Tones after START: {len(heard)} heard, {len(expected)} expected")
    lags = []
    for index in range(max(len(heard), len(expected))):
        want = expected[index] if index < len(expected) else None
        tone = heard[index] if index < len(heard) else None
        if tone is None:
            report.check(False, f"cue {index} {want[1]!r} (START+{want[0]} s) was not heard")
            continue
        onset = recording_start + tone.start_sample / SAMPLE_RATE - start
        heard_as = f"{tone.name!r} at START{onset:+.3f} s, {tone.length_samples / SAMPLE_RATE * 1000:.0f} ms long"
        if want is None:
            report.check(False, f"unexpected extra tone {heard_as}")
            continue
        lag = onset - want[0]
        lags.append(lag)
        after_frame = (f"{1000 * (start + onset - frame_arrival[want[0]]):+6.1f} ms after its frame"
                       if want[0] in frame_arrival else "")
        report.say(f"  {want[1]:<40} due START+{want[0]:>3} s  heard {1000 * lag:+6.1f} ms  {after_frame}"
                   + ("" if tone.name == want[1] else f"  but as {tone.name!r}"))
        report.check(is_clear(tone), f"tone {heard_as} is not a clean single tone ({tone.dominance:.1f}x)")
        report.check(tone.name == want[1], f"cue {index} heard as {heard_as}, expected {want[1]!r}")
        report.check(abs(lag) <= TOLERANCE_S,
                     f"cue {index} {want[1]!r} is {1000 * lag:+.0f} ms off its moment START+{want[0]} s")
    if lags:
        report.say(f"  cue onset lag against the due moment: {lag_summary(lags)}")


def holds_device(pid, path):
    fd_dir = Path(f"/proc/{pid}/fd")
    try:
        return any(os.readlink(fd_dir / fd) == path for fd in os.listdir(fd_dir))
    except (FileNotFoundError, ProcessLookupError):
        return False


def program_env(desktop, sound, work_dir, sounds_root, port_path):
    runtime = work_dir / "program-runtime"
    runtime.mkdir(mode=0o700)
    env = {
        **desktop.env(),
        "HOME": str(work_dir / "program-home"),
        "XDG_RUNTIME_DIR": str(runtime),
        "LANG": "C.UTF-8",
        "LC_ALL": "C.UTF-8",
        "QT_QPA_PLATFORM": "xcb",
        "PULSE_SERVER": sound.address,
        "AEROLAP_SOUNDS": str(sounds_root),
        "AEROLAP_COM1": port_path,
    }
    for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
        if name in os.environ:
            env[name] = os.environ[name]
    return env


def set_up_free_task(desktop, origin):
    """SETUP, TO LIBERO, CLOSE; then the two times typed into their clocks and committed with Enter."""
    setup_button = Element(origin, COMMAND1_SETUP)
    for x, y in (setup_button.centre(), Element(origin, OPTION3_TO_LIBERO, FRAME1).near_left(),
                 setup_button.centre()):
        desktop.click(x, y)
        time.sleep(SETTLE_S)
    for clock, text in ((CLOCK2, PREPARATION_TEXT), (CLOCK3, WORKING_TEXT)):
        desktop.click(*Element(origin, clock).centre())
        desktop.key("ctrl+a")
        desktop.type_text(text)
        desktop.key("Return")
        time.sleep(SETTLE_S)


def answer_exit_question_yes(desktop, window, running):
    """Alt+F4 on the main window (openbox closes it politely), then Enter on the question's default Yes."""
    desktop.activate(window)
    desktop.key("alt+F4")
    question = desktop.find_window(EXIT_QUESTION_TITLE, 15, running)
    desktop.activate(question)
    desktop.key("Return")


def run(program, work_dir, processes, report):
    sounds_root = work_dir / "sounds"
    write_sound_set(sounds_root)
    (work_dir / "home").mkdir()
    (work_dir / "program-home").mkdir()

    desktop = Desktop(processes, work_dir / "home")
    desktop.start()
    sound = SoundServer(processes, work_dir)
    sound.start()
    recorder = sound.start_recorder()
    wait_until(lambda: recorder.recorded_seconds() > 1.5, 30, "the recorder to deliver sound")
    peer = SerialPeer()
    report.say(f"Display {desktop.display}, sound server {sound.address}, port 1 = {peer.slave_path}")

    try:
        app = processes.start("aerolap", [str(program)],
                              env=program_env(desktop, sound, work_dir, sounds_root, peer.slave_path))

        def running():
            if app.poll() is not None:
                raise TestFailure(f"the program ended early with status {app.returncode}")
            return True

        launched = time.monotonic()
        about = desktop.find_window(ABOUT_TITLE, 90, running)
        report.say(f"About box up {time.monotonic() - launched:.1f} s after launch")
        report.check(holds_device(app.pid, peer.slave_path), "the program does not hold port 1 open")
        line = peer.line_settings()
        report.say(f"Port 1 line settings: {line}")
        report.check(line == "9600,n,8,1", f"port 1 is set to {line}, expected 9600,n,8,1")

        desktop.click(*Element(desktop.client_origin(about), CMD_OK).centre())
        window = desktop.find_window(MAIN_TITLE, 30, running)
        wait_until(lambda: running() and not desktop.window_exists(about), 10, "the about box to close")
        origin = desktop.client_origin(window)
        frames_before_setup = len(peer.frames())
        start_button = Element(origin, COMMAND5_START)
        time.sleep(SETTLE_S)
        check_button_colour(report, desktop, start_button, GREEN, "READY after the about box")

        set_up_free_task(desktop, origin)
        running()
        report.check(len(peer.frames()) == frames_before_setup,
                     f"frames sent while setting up: {[d for _, d in peer.frames()[frames_before_setup:]]}")

        desktop.activate(window)
        click = desktop.click(*start_button.centre())
        report.say("START clicked; waiting for the whole cycle")
        expected_count = len(expected_frames(PREPARATION_S, WORKING_S))
        cycle_end = expected_cues(PREPARATION_S, WORKING_S)[-1][0]

        def cycle_frames():
            return [f for f in peer.frames() if f[0] >= click.requested]

        wait_until(lambda: running() and time.monotonic() > click.released + 30, 40, "the working time")
        check_button_colour(report, desktop, start_button, RED, "the working time")
        try:
            wait_until(lambda: running() and len(cycle_frames()) >= expected_count,
                       cycle_end + 15 - (time.monotonic() - click.released), "the last frame of the cycle",
                       step_s=0.1)
        except TimeoutError as error:
            report.check(False, str(error))
        # Room for stray frames and for the last tone to be recorded completely.
        time.sleep(1.5)
        running()
        check_button_colour(report, desktop, start_button, GREEN, "READY at the end of the cycle")

        start = clock_start(cycle_frames())
        if report.check(start is not None, "no frame of the cycle to take START from; using the click"):
            check_reaction(report, click, start)
        else:
            start = click.released
        check_frames(report, cycle_frames(), start)
        report.check(not peer.leftover(), f"bytes after the last carriage return: {peer.leftover()!r}")
        check_tones(report, sound, recorder, start, cycle_frames())

        report.say("Closing the window and answering Yes")
        peer.release_slave()
        answer_exit_question_yes(desktop, window, running)
        try:
            status = app.wait(timeout=20)
        except subprocess.TimeoutExpired:
            raise TestFailure("the program did not end within 20 s of Yes") from None
        processes.forget(app)
        report.check(status == 0, f"the program ended with status {status}")
        report.check(peer.wait_for_hang_up(5), "the far end of port 1 did not see the port closed")
    finally:
        peer.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True, type=Path, help="the built aerolap executable")
    args = parser.parse_args()
    if not os.access(args.program, os.X_OK):
        print(f"FAIL: no program at {args.program}")
        return 1

    # CTest ends a test that runs too long with SIGTERM first; the finally block then still cleans up.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("FAIL: terminated from outside"))
    report = Report()
    with tempfile.TemporaryDirectory(prefix="aerolap-e2e-") as work:
        work_dir = Path(work)
        processes = ProcessGroup(work_dir)
        try:
            run(args.program.resolve(), work_dir, processes, report)
        except (TestFailure, TimeoutError) as error:
            report.check(False, str(error))
        except (OSError, RuntimeError, subprocess.SubprocessError) as error:
            report.check(False, f"the test harness failed: {error!r}\n{traceback.format_exc()}")
        finally:
            processes.stop_all()
        if report.failures and processes.log_tail("aerolap"):
            report.say("Program's output (last lines):\n" + processes.log_tail("aerolap"))
    if report.failures:
        report.say(f"\nE2E RESULT: FAILED ({len(report.failures)} check(s))")
        for failure in report.failures:
            report.say(f"  - {failure.splitlines()[0]}")
        return 1
    report.say("\nE2E RESULT: PASSED")
    return 0


if __name__ == "__main__":
    sys.exit(main())
