#!/usr/bin/env python3
# The LED display's cable pulled out in the middle of a working time, and plugged back in.
#
# The program runs as in run_whole_cycle.py (private Xvfb under openbox, recorded null sink, tone sound
# set) with port 1 named by a link that points at a pseudo-terminal. 15 s into the working time the test
# hangs that pseudo-terminal up, as a pulled USB cable does. Checked: every cue of the cycle is still heard
# on its second; no box comes up and the window still takes a click; exactly one notice says the display
# is lost, on the error stream and in the day log; and once the link points at a new pseudo-terminal (the
# cable back in), frames come again within 2 s, the first one showing the running second.

import json, math, os, select, threading, time  # noqa: E401
from pathlib import Path

import run_whole_cycle as cycle

PREPARATION_S, WORKING_S = 12, 40
PULLED_AT_S, PLUGGED_AT_S, RESUMED_WITHIN_S = PREPARATION_S + 15, PREPARATION_S + 23, 2.0
# The notice as the error stream tells it, and as the day log keeps it: its message and the port.
LOST_MESSAGE = "LED display lost on %1: the timer runs on; frames resume when it is back"
LOST = LOST_MESSAGE.replace("%1", "COM1")


class Cable:
    # One pseudo-terminal behind the link, read until the test pulls it out.
    def __init__(self, link):
        self.far_end, self.device = os.openpty()
        link.unlink(missing_ok=True)
        link.symlink_to(os.ttyname(self.device))
        self.chunks, self.stop = [], threading.Event()
        self.reader = threading.Thread(target=self.read, daemon=True)
        self.reader.start()

    def read(self):
        while not self.stop.is_set():
            if select.select([self.far_end], [], [], 0.05)[0]:
                try:
                    self.chunks.append((time.monotonic(), os.read(self.far_end, 65536)))
                except OSError:
                    return

    def pull(self):
        self.stop.set()
        self.reader.join()
        os.close(self.far_end)
        os.close(self.device)


def window_answers(window):
    # SETUP still opens and closes the set-up panel: its area of the screen changes with each click.
    def panel():
        x, y, width, height = cycle.box(window, cycle.FRAME1)
        return cycle.run("import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "rgb:-").stdout
    closed = panel()
    cycle.click(*cycle.box(window, cycle.COMMAND1_SETUP))
    opened = cycle.wait_until(lambda: (shown := panel()) != closed and shown, 5, "the set-up panel to open")
    # Elsewhere on the button: xdotool waits for ever for a pointer to move where it already is.
    cycle.click(*cycle.box(window, cycle.COMMAND1_SETUP), from_left=10)
    cycle.wait_until(lambda: panel() != opened, 5, "the set-up panel to close")


def pull_and_plug(window, link, cable, recording, errors):
    # One short cycle whose cable is pulled out 15 s into the working time and plugged back in 8 s later;
    # checks its frames, its cues, the window and the notice on the error stream. Returns the new cable.
    cycle.set_up_times(window, PREPARATION_S, WORKING_S)
    requested = time.monotonic()
    cycle.click(*cycle.box(window, cycle.COMMAND5_START))
    released = time.monotonic() - 0.1
    expected_frames, expected_cues = cycle.timeline(PREPARATION_S, WORKING_S)

    # In the middle of a second, so that which frames came before it is plain.
    time.sleep(max(0.0, released + PULLED_AT_S + 0.5 - time.monotonic()))
    cable.pull()
    print(f"Pulled out {time.monotonic() - released:.1f} s after START")
    cycle.wait_until(lambda: LOST in errors.read_text(errors="replace"), 5, "the notice of the lost display")
    cycle.check(cycle.run("xdotool", "search", "--name", "^InfoPort$", check_status=False).returncode != 0,
                "a box came up for the lost display")
    window_answers(window)
    time.sleep(max(0.0, released + PLUGGED_AT_S - time.monotonic()))
    plugged, back = time.monotonic(), Cable(link)
    print(f"Plugged in again {plugged - released:.1f} s after START")
    cycle.wait_until(lambda: recording[-1][0] > released + expected_cues[-1][0] + 1.5, expected_cues[-1][0] + 30,
                     "the end of the recording")

    before, _ = cycle.split_frames([chunk for chunk in cable.chunks if chunk[0] >= requested])
    after, _ = cycle.split_frames(back.chunks)
    bounds = [arrived - due for (due, want), (arrived, got) in zip(expected_frames, before) if got == want and due]
    start_s = min(bounds) if cycle.check(bounds, "no frame before the pull shows START") else released
    cycle.check_sequence("frames before the pull", [f for f in expected_frames if f[0] <= PULLED_AT_S],
                         [(*f, math.inf) for f in before], start_s)
    if cycle.check(after, "no frame after the cable came back"):
        first_at, first = after[0]
        cycle.check(first_at - plugged <= RESUMED_WITHIN_S,
                    f"the first frame came {first_at - plugged:.2f} s after the cable, not within {RESUMED_WITHIN_S} s")
        running = dict(expected_frames).get(math.floor(first_at - start_s))
        cycle.check(first == running, f"the first frame back shows {first!r}, the running second is {running!r}")
        resumed = [f for f in expected_frames if f[0] > first_at - start_s]
        cycle.check_sequence("frames after the return", resumed, [(*f, math.inf) for f in after[1:]], start_s)
    cycle.check_cues(expected_cues, recording, start_s, {})
    return back


def check_told_once(errors, logs):
    told = errors.read_text(errors="replace").count(LOST)
    cycle.check(told == 1, f"the lost display was told {told} times on the error stream")
    entries = [json.loads(line) for log in logs for line in log.read_text(errors="replace").splitlines()
               if line.strip()]
    logged = sum(entry.get("message") == LOST_MESSAGE and entry.get("args") == ["COM1"] for entry in entries)
    cycle.check(logged == 1, f"the day log holds the lost display's notice {logged} times")


def unplugged_display(program, work):
    cycle.set_environment(work)
    cycle.write_tones(work / "sounds")
    recording = cycle.start_sound_server(work)
    cycle.start_display()
    cycle.wait_for_recording(recording)
    link, errors = work / "display", work / "errors.txt"
    cable = Cable(link)
    with open(errors, "wb") as stream:
        app = cycle.start([program], env={**cycle.ENV, "QT_QPA_PLATFORM": "xcb", "AEROLAP_COM1": str(link),
                                          "AEROLAP_SOUNDS": str(work / "sounds")}, stderr=stream)
    window = cycle.close_about_box()
    cable = pull_and_plug(window, link, cable, recording, errors)
    cycle.exit_with_yes(app, window)
    check_told_once(errors, (work / "home").rglob("log/*.jsonl"))
    cable.pull()


if __name__ == "__main__":
    raise SystemExit(cycle.main(unplugged_display, "E2E UNPLUGGED DISPLAY"))
