#!/usr/bin/env python3
# One whole contest cycle of the real program, watched from outside like an operator and a display.
#
# The program runs on a private Xvfb display under openbox, plays into a private PulseAudio null sink
# whose monitor is recorded, and writes its frames to a pseudo-terminal named as port 1. The test only
# clicks and types on the window, then checks the frames, the tones heard and the exit.
#
# Time base: CLOCK_MONOTONIC throughout. Frames are stamped when the pseudo-terminal delivers them. A
# recorded chunk cannot arrive before its last sample was mixed, so the earliest settled "arrival minus
# samples so far" is when the first sample was mixed; the null sink plays each sample its configured
# latency (the recorder's 10 ms request) after mixing it. START, the zero of every due moment, is when
# the program's running clock started as the frames show it: the earliest "arrival minus due second".
# The click on START is bracketed by the start of xdotool and its release of the button (xdotool then
# pauses 100 ms before it exits); the delay from that release to START is checked too.

import argparse, array, cmath, contextlib, ctypes, heapq, itertools, math, os, re, select, signal  # noqa: E401
import statistics, subprocess, sys, tempfile, threading, time, traceback, wave  # noqa: E401
from pathlib import Path

PREPARATION_S, WORKING_S, LANDING_S, TOLERANCE_S = 12, 65, 30, 0.060
# A gap inside a tone (a dropout: digital silence of 2 ms or more before its end) is a fault of the
# program here. Where another's driver may leave one (Wine's), a tone heard again this soon after its
# own onset is the same sound with a gap in it, and dropouts are counted but allowed.
SAME_TONE_WITHIN_S, SHORTEST_DROPOUT_S = 0.0, 0.002
# How clean a heard tone must be: its own frequency against everything else in it.
CLEAN_TONE = 10
RATE, SINK, TWIPS_PER_PIXEL = 16000, "aerolap_e2e", 15
MAIN_TITLE = "Aerolap-Vuz by Birno ver.3.4.2 VERSIONE INGLESE"
ABOUT_TITLE, EXIT_QUESTION_TITLE = "Informazioni su Aerolap", "Aerolap "
# Element rectangles in twips (left, top, width, height) within their container's client area.
FRAME1, CMD_OK, OPTION3_TO_LIBERO = (1800, 3720, 7335, 3375), (4245, 2625, 1260, 345), (3840, 1320, 1215, 255)
COMMAND1_SETUP, COMMAND5_START = (120, 7320, 1695, 495), (3960, 7320, 2895, 615)
CLOCK2, CLOCK3 = (2400, 1440, 1680, 315), (6840, 1440, 1680, 315)
# The 24 files of the sound table, each a 0.2 s tone of its own, 150 Hz apart. A tone is shorter than
# the one second between the closest cues, so every cue starts from silence; no two samples of a tone
# in a row are zero.
V = "reriva3rira/"
COUNT, SIREN, TEN = {n: f"{V}{n}.wav" for n in range(1, 6)}, V + "Sirena di nave.wav", V + "10secondi.wav"
SOUNDS = [f"{V}to{m}minuti.wav" for m in range(9, 0, -1)] + [V + name for name in (
    "to30secondi.wav|preparazione30secondi.wav|atterraggio30secondi.wav|10secondi.wav|1.wav|2.wav|3.wav|"
    "4.wav|5.wav|BEEPVUZ.WAV|BEEP3SEC.WAV|Sirena di nave.wav|FINE ATTERRAGGIO.wav").split("|")]
SOUNDS += ["zodura3v/Sirena di nave.wav", "zodura3v/beepTo.wav"]
TONE_HZ, TONE_SAMPLES = {name: 500 + 150 * index for index, name in enumerate(SOUNDS)}, RATE // 5
ENV, PROCESSES, FAILURES, LIBC = {}, [], [], ctypes.CDLL(None)


def check(condition, message):
    if not condition:
        FAILURES.append(message)
        print(f"FAIL: {message}")
    return condition


def frame(seconds):
    return f"A{seconds // 60:02d}{seconds % 60:02d}\r".encode()


def timeline(preparation, working):
    # Every frame and every cue of one cycle as (second after START, bytes or file), from the trigger
    # rules: each phase counts down its seconds and has a table of cues by the seconds left.
    frames, cues = [], [(0, V + "preparazione30secondi.wav")]
    for begin, length, table in (
            (0, preparation, {10: TEN, **COUNT, 0: SIREN}),
            (preparation, working, {**{m * 60 + 3: f"{V}to{m}minuti.wav" for m in range(9, 0, -1)},
                                    **{m * 60: "zodura3v/beepTo.wav" for m in range(9, 0, -1)},
                                    33: V + "to30secondi.wav", **COUNT, 0: SIREN}),
            (preparation + working, LANDING_S,
             {28: V + "atterraggio30secondi.wav", 10: TEN, **COUNT, 0: V + "FINE ATTERRAGGIO.wav"})):
        for left in range(length, -1, -1):
            frames.append((begin + length - left, frame(left)))
            cues += [(begin + length - left, table[left])] if left in table else []
    # The end of the landing window shows the preparation time again.
    return frames + [(preparation + working + LANDING_S, frame(preparation))], cues


def wait_until(predicate, timeout_s, what):
    # Every wait also ends as soon as a process the test started has ended.
    deadline = time.monotonic() + timeout_s
    while not (result := predicate()):
        for process in PROCESSES:
            assert process.poll() is None, f"{process.args[0]} ended early with status {process.returncode}"
        if time.monotonic() > deadline:
            raise TimeoutError(f"timed out after {timeout_s:.0f} s waiting for {what}")
        time.sleep(0.05)
    return result


def start(argv, env=None, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **options):
    # Should the test itself be killed, the kernel takes the helper down too.
    PROCESSES.append(subprocess.Popen([str(a) for a in argv], env=env or ENV, stdin=subprocess.DEVNULL, stdout=stdout,
                                      stderr=stderr, preexec_fn=lambda: LIBC.prctl(1, signal.SIGKILL), **options))
    return PROCESSES[-1]


def run(*argv, check_status=True):
    return subprocess.run([str(a) for a in argv], env=ENV, capture_output=True, timeout=10, check=check_status)


def collect(fd):
    # Chunks read from fd with their arrival times, by a thread that ends when the far end closes (a
    # pseudo-terminal's master reads EIO once the last holder of the other end has closed it).
    chunks = []

    def read():
        with contextlib.suppress(OSError):
            while chunk := os.read(fd, 65536):
                chunks.append((time.monotonic(), chunk))

    (thread := threading.Thread(target=read, daemon=True)).start()
    return chunks, thread


def split_frames(chunks):
    # Each frame, up to its carriage return, with the arrival of its last byte; and any bytes left.
    frames, pending = [], b""
    for arrived, chunk in list(chunks):
        *whole, pending = (pending + chunk).split(b"\r")
        frames += [(arrived, frame + b"\r") for frame in whole]
    return frames, pending


def find_tones(samples):
    # (first sample, file, power of its tone over the next best) of every sound after 50 ms of silence
    # (the null sink's silence is exact zeros); 40 ms of it give 25 Hz resolution, well inside the spacing.
    tones, last_loud = [], -RATE
    for block in range(0, len(samples), 80):
        if max(samples[block:block + 80]) > 300 or min(samples[block:block + 80]) < -300:
            if block - last_loud > 0.05 * RATE:
                first = next(i for i in range(block, block + 80) if abs(samples[i]) > 300)
                part = samples[first + 32:first + 672]
                (best, name), (second, _) = heapq.nlargest(2, ((power(part, hz), n) for n, hz in TONE_HZ.items()))
                tones.append((first, name, best / second if second > 0 else math.inf))
            last_loud = block
    return tones


def find_dropouts(samples, tones):
    # (file, seconds after its first sample heard, length) of each run of exact zeros of SHORTEST_DROPOUT_S
    # or more inside a tone as heard, from its first sample to its last before the next tone (so up to the
    # cut where the next cue cut it), and of the silence between a tone and itself heard again at once (a
    # gap of 50 ms or more parts it in two). A null sink's monitor may leave out the very first samples of a
    # sound (those the server mixed again as the sound started), which is no gap.
    dropouts, shortest = [], round(SHORTEST_DROPOUT_S * RATE)
    for (first, name, _), (next_first, next_name, _) in zip(tones, tones[1:] + [(len(samples), None, 0)]):
        last = next(i for i in range(next_first - 1, first - 1, -1) if samples[i] != 0)
        run = 0
        for index in range(first, last + 1):
            run = run + 1 if samples[index] == 0 else 0
            if run == shortest:
                dropouts.append([name, (index + 1 - run - first) / RATE, 0])
            if run >= shortest:
                dropouts[-1][2] = run / RATE
        if next_name == name and next_first - last <= TONE_SAMPLES:
            dropouts.append([name, (last + 1 - first) / RATE, (next_first - last - 1) / RATE])
    return dropouts


def power(window, hz):
    return abs(sum(value * cmath.exp(-1j * math.tau * hz * n / RATE) for n, value in enumerate(window))) ** 2


def find_window(title, timeout_s):
    # The one visible window of exactly this title (no title here holds a special character but ".").
    def one():
        ids = run("xdotool", "search", "--onlyvisible", "--name", f"^{title.replace('.', '[.]')}$", check_status=False)
        return len(ids.stdout.split()) == 1 and int(ids.stdout)
    return wait_until(one, timeout_s, f"the window {title!r}")


def box(window, rect, container=(0, 0)):
    # An element's rectangle on the screen (x, y, width, height), from the window's client origin.
    text = run("xwininfo", "-id", window).stdout.decode()
    x, y = (int(re.search(rf"Absolute upper-left {axis}:\s+(-?\d+)", text)[1]) for axis in "XY")
    return (x + (container[0] + rect[0]) // TWIPS_PER_PIXEL, y + (container[1] + rect[1]) // TWIPS_PER_PIXEL,
            rect[2] // TWIPS_PER_PIXEL, rect[3] // TWIPS_PER_PIXEL)


def click(x, y, width, height, *then, from_left=None):
    # Clicks an element's centre (or a point from its left edge), then runs any further xdotool commands.
    left = width // 2 if from_left is None else from_left
    run("xdotool", "mousemove", "--sync", x + left, y + height // 2, "click", "1", *then)


def check_sequence(kind, expected, seen, start):
    # Each seen (moment, what, clarity) must be the expected one, at its due second after START within
    # the tolerance.
    lags, wrong = [], []
    for index, (want, got) in enumerate(itertools.zip_longest(expected, seen, fillvalue=(math.nan, None, math.inf))):
        lags += [] if math.isnan(lag := got[0] - start - want[0]) else [1000 * lag]
        if not (got[1] == want[1] and got[2] >= CLEAN_TONE and abs(lag) <= TOLERANCE_S):
            wrong.append(f"{index}: {got[1]!r}{'' if got[2] >= CLEAN_TONE else ' (not a clean tone)'} at "
                         f"START{got[0] - start:+.3f} s, expected {want[1]!r} at START+{want[0]} s")
    print(f"{kind.capitalize()}: {len(seen)} seen, {len(expected)} expected; against their due moments min "
          f"{min(lags, default=0):+.1f} ms, median {statistics.median(lags or [0]):+.1f} ms, max "
          f"{max(lags, default=0):+.1f} ms")
    check(not wrong, f"{len(wrong)} of {len(expected)} {kind} not as expected: " + "; ".join(wrong[:5]))


def check_cues(expected, recording, start, frame_arrival):
    sizes = list(itertools.accumulate(len(chunk) for _, chunk in recording))
    bounds = sorted(arrived - size // 2 / RATE for (arrived, _), size in zip(recording, sizes)
                    if arrived - recording[0][0] >= 1.0)  # the first second still carries the start-up
    ahead = int(re.search(rb"Latency: \d+ usec, configured (\d+) usec", run("pactl", "list", "sinks").stdout)[1]) / 1e6
    data = b"".join(chunk for _, chunk in recording)
    samples = array.array("h", data[:len(data) // 2 * 2])
    tones = find_tones(samples)
    heard = [(onset, name, clarity) for first, name, clarity in tones if (onset := bounds[0] + ahead + first / RATE)
             >= start - 1.0]
    dropouts = find_dropouts(samples, tones)
    print(f"Dropouts inside the tones: {len(dropouts)}" + "".join(
        f"\n  {name} at {1000 * at:.1f} ms, {1000 * length:.1f} ms long" for name, at, length in dropouts))
    check(not dropouts or SAME_TONE_WITHIN_S > 0, f"{len(dropouts)} dropout(s) inside the tones")
    gapped = [index for index in range(1, len(heard)) if heard[index][1] == heard[index - 1][1]
              and heard[index][0] - heard[index - 1][0] < SAME_TONE_WITHIN_S]
    if gapped:
        print(f"{len(gapped)} tone(s) with a gap inside, counted once")
        heard = [cue for index, cue in enumerate(heard) if index not in gapped]
    # Onset minus the arrival of the same second's frame is the sound path alone.
    after_frame = [1000 * (onset - frame_arrival[due]) for (due, _), (onset, *_) in zip(expected, heard)
                   if due in frame_arrival]
    print(f"Cues after their second's frame: median {statistics.median(after_frame or [0]):+.1f} ms, max "
          f"{max(after_frame, default=0):+.1f} ms (the sink plays {1000 * ahead:.1f} ms after mixing)")
    check_sequence("cues", expected, heard, start)


def set_environment(work):
    ENV.update(PATH=os.environ.get("PATH", "/usr/bin:/bin"), HOME=str(work / "home"), LANG="C.UTF-8",
               LC_ALL="C.UTF-8", XDG_RUNTIME_DIR=str(work / "runtime"), PULSE_SERVER=f"unix:{work}/pulse.socket",
               **{name: value for name, value in os.environ.items() if name.endswith("SAN_OPTIONS")})


def start_display():
    # A private Xvfb display managed by openbox; its name goes into ENV.
    display_in, display_out = os.pipe()
    start(["Xvfb", "-displayfd", display_out, *"-screen 0 1024x768x24 -nolisten tcp -noreset".split()],
          pass_fds=(display_out,))
    os.close(display_out)
    with os.fdopen(display_in) as reply:  # Xvfb dies if the pipe closes before its newline
        ENV["DISPLAY"] = ":" + (reply.readline().strip() if select.select([reply], [], [], 30)[0] else "none")
    start(["openbox", "--sm-disable"])
    wait_until(lambda: b"window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK", check_status=False).stdout,
               30, f"openbox to manage display {ENV['DISPLAY']}")


def set_up_times(window, preparation_s, working_s):
    # The free task ("TO LIBERO") with the given preparation and working times, typed into their clocks.
    click(*box(window, COMMAND1_SETUP))
    click(*box(window, OPTION3_TO_LIBERO, FRAME1), from_left=8)
    click(*box(window, COMMAND1_SETUP))
    for clock, seconds in ((CLOCK2, preparation_s), (CLOCK3, working_s)):
        click(*box(window, clock), "key", "ctrl+a", "type", "--delay", "40",
              f"00.{seconds // 60:02d}.{seconds % 60:02d}", "key", "Return")


def write_tones(root):
    # The test sound set under `root`: each file of the sound table a tone of its own.
    for name, hz in TONE_HZ.items():
        with wave.open(str(root / name), "wb") as out:
            out.setparams((1, 2, RATE, 0, "NONE", "not compressed"))
            out.writeframes(array.array("h", (round(16384 * math.sin(math.tau * hz * n / RATE))
                                              for n in range(TONE_SAMPLES))))


def start_sound_server(work):
    # A private PulseAudio with only a null sink in the recorder's format and the socket (the sink's
    # clock never suspends), and the recording of its monitor: chunks with their arrival times.
    start(["pulseaudio", *"-n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --realtime=no".split(),
           "--high-priority=no", "--log-target=stderr",
           "-L", f"module-null-sink sink_name={SINK} rate={RATE} channels=1 format=s16le",
           "-L", f"module-native-protocol-unix socket={work}/pulse.socket auth-anonymous=1"])
    wait_until(lambda: run("pactl", "info", check_status=False).returncode == 0, 30, "the sound server")
    # Small fragments, so that every chunk's arrival says when it was mixed.
    parec = start(["parec", f"--device={SINK}.monitor", f"--rate={RATE}",
                   *"--raw --channels=1 --format=s16le --latency-msec=10".split()], stdout=subprocess.PIPE)
    recording, _ = collect(parec.stdout.fileno())
    return recording


def wait_for_recording(recording):
    wait_until(lambda: sum(len(chunk) for _, chunk in recording) > 3 * RATE, 30, "the recorder to deliver sound")


def close_about_box(timeout_s=90):
    # OK on the about box; returns the main window that it brings up.
    about = find_window(ABOUT_TITLE, timeout_s)
    click(*box(about, CMD_OK))
    window = find_window(MAIN_TITLE, 30)
    wait_until(lambda: run("xwininfo", "-id", about, check_status=False).returncode, 10, "the about box to close")
    return window


def run_and_check_cycle(window, serial, recording):
    # Sets up a short free task, presses START, and checks every frame and cue of the whole cycle.
    setup_from = len(split_frames(serial)[0])
    # One top-level window takes its input in order, so no action waits for the one before.
    set_up_times(window, PREPARATION_S, WORKING_S)
    requested = time.monotonic()
    click(*box(window, COMMAND5_START))
    released = time.monotonic() - 0.1
    print("START clicked; waiting for the whole cycle")
    expected_frames, expected_cues = timeline(PREPARATION_S, WORKING_S)
    # Room for the last frame, stray ones, and for the last tone to be recorded whole.
    wait_until(lambda: recording[-1][0] > released + expected_cues[-1][0] + 1.5, expected_cues[-1][0] + 30,
               "the end of the recording")
    every, leftover = split_frames(serial)
    frames = [frame for frame in every if frame[0] >= requested]
    check(every[setup_from:] == frames, f"frames while setting up: {every[setup_from:len(every) - len(frames)]}")
    bounds = [arrived - due for (due, want), (arrived, got) in zip(expected_frames, frames) if got == want and due]
    start_s = min(bounds) if check(bounds, "no frame of the cycle shows START; taking the click") else released
    print(f"  START (program clock start seen in the frames) {1000 * (start_s - released):+.1f} ms after the "
          f"release of the click; xdotool started {1000 * (released - requested):.1f} ms before the release")
    check(abs(start_s - released) <= TOLERANCE_S, "the program's clock did not start with the click on START")
    check_sequence("frames", expected_frames, [(*frame, math.inf) for frame in frames], start_s)
    check(not leftover, f"bytes after the last carriage return: {leftover!r}")
    check_cues(expected_cues, recording, start_s,  # with the first frame of each second
               dict(reversed([(due, arrived) for (due, _), (arrived, _) in zip(expected_frames, frames)])))


def exit_with_yes(app, window):
    # Closes the main window as openbox does and answers the exit question's default button, Yes.
    run("xdotool", "windowactivate", "--sync", window, "key", "alt+F4")  # openbox asks the window to close
    run("xdotool", "windowactivate", "--sync", find_window(EXIT_QUESTION_TITLE, 15), "key", "Return")
    with contextlib.suppress(subprocess.TimeoutExpired):
        app.wait(20)
    check(app.poll() == 0, f"the program ended with status {app.returncode} (None: not within 20 s of Yes)")
    if app.poll() is not None:  # ended as it should, so no longer a helper that must not end
        PROCESSES.remove(app)


def check_day_report(program, work):
    # The day log the program wrote, read back by its own report: the one cycle just run, with every cue of
    # the timeline, none missing or late beyond the test's tolerance, and every frame taken by the port.
    expected_frames, expected_cues = timeline(PREPARATION_S, WORKING_S)
    late_ms = str(int(TOLERANCE_S * 1000))
    report = run(program, "--day-report", "--late-ms", late_ms).stdout.decode()
    print("Day report (--day-report --late-ms " + late_ms + "):\n" + report)
    check(report.count("\nCycle ") == 1 and "Cycle 1: START at" in report, "the report shows no one started cycle")
    for phase in ("preparation", "working", "landing"):
        check(f"  {phase} from " in report, f"the report shows no {phase} phase")
    lines = report.splitlines()
    cues = [line for line in lines if line.startswith("    ") and ".wav" in line.lower()]
    check(len(cues) == len(expected_cues), f"the report lists {len(cues)} cues, the cycle had {len(expected_cues)}")
    frames = [line for line in lines if line.startswith("    ") and "  A" in line]
    check(len(frames) >= len(expected_frames) - 1, f"the report lists {len(frames)} frames, the cycle had "
                                                   f"{len(expected_frames)}")
    for flag in ("  MISSING", "  LATE", "  NOT TAKEN"):
        check(not any(line.endswith(flag) for line in lines), f"the report says{flag}")
    check("Not read:" not in report, "the report could not read its log")
    page = work / "day-report.html"
    run(program, "--day-report", "--html", page)
    check(page.read_text(encoding="utf-8").startswith("<!DOCTYPE html>") and "Cycle 1: START at" in page.read_text(
        encoding="utf-8"), "the report's page does not show the cycle")


def whole_cycle(program, work):
    set_environment(work)
    write_tones(work / "sounds")
    recording = start_sound_server(work)
    start_display()
    wait_for_recording(recording)
    # The test holds its own end of port 1 until the exit, so that the far end only hangs up once the
    # program has closed the port too.
    far_end, port_fd = os.openpty()
    port, (serial, serial_reader) = os.ttyname(port_fd), collect(far_end)
    print(f"Display {ENV['DISPLAY']}, sound server {ENV['PULSE_SERVER']}, port 1 = {port}")
    try:
        app = start([program], env={**ENV, "QT_QPA_PLATFORM": "xcb", "AEROLAP_COM1": port,
                                    "AEROLAP_SOUNDS": str(work / "sounds")}, stderr=None)  # into the test's output
        window = close_about_box()
        run_and_check_cycle(window, serial, recording)
        os.close(port_fd)
        exit_with_yes(app, window)
        serial_reader.join(5)
        check(not serial_reader.is_alive(), "the far end of port 1 did not see the port closed")
        check_day_report(program, work)
    finally:
        os.close(far_end)


def main(body=None, title="E2E"):
    # Runs `body(program, work folder)` (by default the whole cycle), then stops every helper it started.
    parser = argparse.ArgumentParser(description="One whole contest cycle of the real program.")
    parser.add_argument("--program", required=True, type=Path, help="the built aerolap executable")
    # A caller that imports this module may take options of its own.
    program = parser.parse_known_args()[0].program.resolve()
    sys.stdout.reconfigure(line_buffering=True)
    # CTest ends a test that runs too long with SIGTERM first; the finally block then still cleans up.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("FAIL: terminated from outside"))
    with tempfile.TemporaryDirectory(prefix="aerolap-e2e-") as work:
        for folder in ("home", "runtime", "sounds/reriva3rira", "sounds/zodura3v"):
            Path(work, folder).mkdir(mode=0o700, parents=True)
        try:
            (body or whole_cycle)(program, Path(work))
        except Exception as error:  # noqa: BLE001 -- a broken harness fails the run too, with its trace
            check(False, str(error) if isinstance(error, (AssertionError, TimeoutError)) else traceback.format_exc())
        finally:
            for process in reversed(PROCESSES):  # each by its own id, newest first
                process.terminate()
                with contextlib.suppress(subprocess.TimeoutExpired):
                    process.wait(5)
                process.kill()
    print(f"\n{title} RESULT: {'FAILED' if FAILURES else 'PASSED'}" + "".join(f"\n  - {f.splitlines()[0]}"
                                                                          for f in FAILURES))
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
