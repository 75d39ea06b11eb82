#!/usr/bin/env python3
# How soon START takes effect after the director lets go of the mouse button: the release build on a
# private Xvfb under openbox, as in the whole-cycle test, with the LED display on port 1 and the pilots'
# page on, as at the field, clicked through the X server's test extension. The button is pressed, then
# released and the server waited for (XSync), so the release happened between the two readings of the
# clock around it; the program's day log stamps its "start" line on the same clock (CLOCK_BOOTTIME,
# which is CLOCK_MONOTONIC on a machine that has not slept). Each START is followed by STOP and RESET,
# then a rest of a few seconds, so that the program is idle, as a director's laptop is between cycles,
# when the next click comes. With --busy N, N processes spin beside it, as other programs on a busy
# laptop would, at the program's own priority.

import argparse, ctypes, json, os, random, socket, statistics, sys, time  # noqa: E401
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "e2e"))
import run_whole_cycle as cycle  # noqa: E402

TARGET_MEDIAN_MS, TARGET_MAX_MS = 3.0, 8.0


class TestPointer:
    # The X server's test extension through libXtst, which xdotool brings along.
    def __init__(self, display):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.xtst = ctypes.CDLL("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        for function in (self.x11.XSync, self.x11.XFlush):
            function.argtypes = [ctypes.c_void_p] + ([ctypes.c_int] if function is self.x11.XSync else [])
        self.xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                                   ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(display.encode())

    def click(self, x, y):
        # Returns the clock readings (ns) just before the release was sent and once the server had it.
        self.xtst.XTestFakeMotionEvent(self.display, -1, x, y, 0)
        self.xtst.XTestFakeButtonEvent(self.display, 1, 1, 0)
        self.x11.XSync(self.display, 0)
        time.sleep(0.05)
        before = time.clock_gettime_ns(time.CLOCK_BOOTTIME)
        self.xtst.XTestFakeButtonEvent(self.display, 1, 0, 0)
        self.x11.XSync(self.display, 0)
        return before, time.clock_gettime_ns(time.CLOCK_BOOTTIME)


def cycle_port():
    # The pilots' page and the remote are on, as at the field, on a port no other run uses.
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def start_lines(log_folder):
    lines = []
    for log in sorted(log_folder.glob("*.jsonl")):
        for text in log.read_text(errors="replace").splitlines():
            if '"kind":"start"' in text.replace(" ", ""):
                lines.append(json.loads(text))
    return lines


def spin(count):
    # Each in a session of its own, ended with the program by the whole-cycle harness.
    for _ in range(count):
        cycle.start([sys.executable, "-c", "while True: pass"], start_new_session=True)


def run(program, work, samples, rest_s, busy):
    cycle.set_environment(work)
    cycle.write_tones(work / "sounds")
    cycle.wait_for_recording(cycle.start_sound_server(work))
    cycle.start_display()
    # The LED display on port 1, a pseudo-terminal whose far end is read all along, as a display would.
    far_end, port_fd = os.openpty()
    cycle.collect(far_end)
    app = cycle.start([program, "--web-port", str(cycle_port())], env={
        **cycle.ENV, "QT_QPA_PLATFORM": "xcb", "AEROLAP_COM1": os.ttyname(port_fd), "AEROLAP_SOUNDS": str(work / "sounds")})
    window = cycle.close_about_box()
    spin(busy)
    pointer = TestPointer(cycle.ENV["DISPLAY"])
    x, y, width, height = cycle.box(window, cycle.COMMAND5_START)
    log_folder = work / "home" / ".local" / "share" / "Aerolap" / "log"
    after_release, after_sent = [], []
    for sample in range(samples):
        time.sleep(rest_s * random.uniform(0.5, 1.5))
        sent, released = pointer.click(x + width // 2, y + height // 2)
        started = cycle.wait_until(lambda: len(lines := start_lines(log_folder)) > sample and lines, 10,
                                   "the day log's start line")[sample]["mono_ns"]
        after_release.append((started - released) / 1e6)
        after_sent.append((started - sent) / 1e6)
        for _ in ("STOP", "RESET"):  # each in START's place
            time.sleep(0.3)
            pointer.click(x + width // 2, y + height // 2)
    app.terminate()
    os.close(port_fd)
    return after_release, after_sent


def main():
    parser = argparse.ArgumentParser(description="How soon START takes effect after the click.")
    parser.add_argument("--program", required=True, type=Path)
    parser.add_argument("--samples", type=int, default=20)
    parser.add_argument("--rest", type=float, default=3.0, help="seconds idle before each START (about)")
    parser.add_argument("--busy", type=int, default=0, help="processes that spin beside the program")
    arguments = parser.parse_args()
    sys.argv = [sys.argv[0], "--program", str(arguments.program)]
    figures = {}

    def body(program, work):
        figures["release"], figures["sent"] = run(program, work, arguments.samples, arguments.rest,
                                                   max(arguments.busy, 0))

    status = cycle.main(body, "START LATENCY")
    if figures:
        print(f"beside: {max(arguments.busy, 0)} spinning processes; load averages {os.getloadavg()}")
        print(f"The first START after start-up: {figures['release'][0]:.2f} ms after the release reached the server")
        for name, values in (("after the release reached the server", figures["release"]),
                             ("after the release was sent", figures["sent"])):
            print(f"START's day log line {name}, ms: min {min(values):.2f}  median "
                  f"{statistics.median(values):.2f}  max {max(values):.2f}  (n={len(values)})")
        met = statistics.median(figures["release"]) <= TARGET_MEDIAN_MS and max(figures["release"]) <= TARGET_MAX_MS
        print(f"target: median <= {TARGET_MEDIAN_MS} ms, max <= {TARGET_MAX_MS} ms: {'met' if met else 'NOT met'}")
    return status


if __name__ == "__main__":
    sys.exit(main())
