#!/usr/bin/env python3
# The CPU the real program uses as the director runs it: the release build on a private Xvfb under
# openbox, sound into a private PulseAudio null sink, a pseudo-terminal as port 1 and the pilots' page
# on a free loopback port, set up and started by clicks as in the whole-cycle test. Each thread's time
# on the CPU comes from /proc/PID/task/TID/schedstat, in nanoseconds; the process's is their sum.
#
# Measured in each run: READY after start-up, the working time of a TO LIBERO cycle, READY after that
# cycle has finished, and the working time of a second cycle with pilots' page clients connected; then,
# in a run of its own with a schedule whose one group has a pilot for each, the working time with
# timekeepers' phones connected and handing in cards. The figures printed are the medians over the runs,
# per thread (by name) and for the whole process; for the timekeepers' run also how late the frames and
# cues of its working time were against their seconds, from the day log.

import argparse, base64, collections, contextlib, datetime, json, os, selectors, socket, statistics, sys  # noqa: E401
import threading, time  # noqa: E401
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "tests" / "e2e"))
import run_whole_cycle as cycle  # noqa: E402
import TimekeeperPhones  # noqa: E402

PREPARATION_S, WORKING_S, LANDING_S, READY_S, SETTLE_S = 10, 65, 30, 20, 3
TARGETS = {"READY after start-up": 0.05, "working time": 0.5, "READY after a cycle": 0.05,
           "working time, page clients": 1.0, "working time, timekeepers": 1.0}
# How late a frame may reach the port, and a cue the sound output, after its second (median, max; ms).
LATENESS_TARGETS = {"frame": (5.0, 20.0), "cue": (10.0, 30.0)}


def cpu_by_thread(pid):
    # {thread id: (name, nanoseconds on the CPU)} of every thread alive now.
    threads = {}
    for task in Path(f"/proc/{pid}/task").iterdir():
        with contextlib.suppress(OSError, ValueError, IndexError):
            name = (task / "comm").read_text().strip()
            threads[int(task.name)] = (name, int((task / "schedstat").read_text().split()[0]))
    return threads


def measure(pid, seconds):
    # Nanoseconds on the CPU per thread name over `seconds` of wall time, and the wall time in ns. The
    # threads are read every second, so that one that ends inside the window still counts up to then.
    first, last = cpu_by_thread(pid), {}
    begin = time.monotonic_ns()
    deadline = begin + int(seconds * 1e9)
    while (now := time.monotonic_ns()) < deadline:
        time.sleep(min(1.0, (deadline - now) / 1e9))
        last.update(cpu_by_thread(pid))
    wall = time.monotonic_ns() - begin
    used = collections.Counter()
    for tid, (name, ns) in last.items():
        used[name] += ns - first.get(tid, (name, 0))[1]
    return used, wall


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


class PageClients:
    # WebSocket clients of the pilots' page that read everything the server sends, on one thread.
    def __init__(self, port, count):
        self.selector, self.received, self.sockets = selectors.DefaultSelector(), 0, []
        for _ in range(count):
            peer = socket.create_connection(("127.0.0.1", port), timeout=5)
            key = base64.b64encode(os.urandom(16)).decode()
            peer.sendall(f"GET /ws HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\nUpgrade: websocket\r\n"
                         f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\nSec-WebSocket-Version: 13\r\n\r\n"
                         .encode())
            reply = b""
            while b"\r\n\r\n" not in reply:
                reply += peer.recv(4096) or cycle.check(False, "the page server closed a handshake") or b"\r\n\r\n"
            cycle.check(reply.startswith(b"HTTP/1.1 101"), f"no WebSocket: {reply[:40]!r}")
            peer.setblocking(False)
            self.selector.register(peer, selectors.EVENT_READ)
            self.sockets.append(peer)
        self.running = True
        self.thread = threading.Thread(target=self.read, daemon=True)
        self.thread.start()

    def read(self):
        while self.running:
            for key, _ in self.selector.select(0.5):
                with contextlib.suppress(BlockingIOError):
                    self.received += len(key.fileobj.recv(65536))

    def close(self):
        self.running = False
        self.thread.join()
        for peer in self.sockets:
            peer.close()


@contextlib.contextmanager
def running(program, work, *arguments):
    # The program with a pseudo-terminal as port 1 and the page on a free port, its about box closed
    # and settled: its process, main window and page port.
    far_end, port_fd = os.openpty()
    cycle.collect(far_end)
    web_port = free_port()
    app = cycle.start([program, "--web-port", web_port, *arguments], env={
        **cycle.ENV, "QT_QPA_PLATFORM": "xcb", "AEROLAP_COM1": os.ttyname(port_fd),
        "AEROLAP_SOUNDS": str(work / "sounds")})
    try:
        window = cycle.close_about_box()
        time.sleep(SETTLE_S)
        yield app, window, web_port
    finally:
        app.terminate()
        app.wait(10)
        cycle.PROCESSES.remove(app)
        os.close(port_fd)
        os.close(far_end)


def press_start(window):
    # xdotool's --sync waits for the pointer to move, so it must not be on START already.
    cycle.run("xdotool", "mousemove", "--sync", 1, 1)
    cycle.click(*cycle.box(window, cycle.COMMAND5_START))
    return time.monotonic()


def one_run(program, work, clients):
    # The four measurements of one run of the program, as {phase: Counter of ns by thread name} and the
    # wall time of each.
    figures = {}
    with running(program, work) as (app, window, web_port):
        figures["READY after start-up"] = measure(app.pid, READY_S)
        cycle.set_up_times(window, PREPARATION_S, WORKING_S)
        for phase, crowd in (("working time", 0), ("working time, page clients", clients)):
            page = PageClients(web_port, crowd) if crowd else None
            started = press_start(window)
            time.sleep(PREPARATION_S + 1)
            figures[phase] = measure(app.pid, WORKING_S - 2)
            if page:
                cycle.check(page.received > 0, "the page clients received nothing")
                page.close()
            # The landing window, then the time for READY's display to settle.
            time.sleep(max(0.0, started + PREPARATION_S + WORKING_S + LANDING_S + SETTLE_S - time.monotonic()))
            if phase == "working time":
                figures["READY after a cycle"] = measure(app.pid, READY_S)
    return figures


def lateness(log):
    # {"frame": [ms], "cue": [ms]} of the working time of the last program run in the day log: when the
    # frame was written or the cue handed to the output, after the second it shows began.
    lines = [json.loads(line) for line in log.read_text(encoding="utf-8").splitlines() if line.strip()]
    last_run = max(index for index, line in enumerate(lines) if line["kind"] == "run")
    late = {"frame": [], "cue": []}
    for line in lines[last_run:]:
        if line["kind"] in late and line.get("phase") == "working" and "second_began_ns" in line:
            done = line["written_ns"] if line["kind"] == "frame" else line["played_ns"]
            late[line["kind"]].append((done - line["second_began_ns"]) / 1e6)
    return late


def timekeepers_run(program, work, count):
    # The working time of a schedule's cycle with `count` timekeepers' phones, each also on the page's
    # WebSocket: the CPU by thread, how late the frames and cues were, and what the phones were answered.
    state = work / "home" / ".local" / "share" / "Aerolap"
    phones = TimekeeperPhones.pair_today(state, count)
    day = work / "timekeepers.json"
    day.write_text(json.dumps(TimekeeperPhones.schedule(count, PREPARATION_S, WORKING_S)))
    with running(program, work, "--schedule", day) as (app, window, web_port):
        crowd = TimekeeperPhones.Phones(web_port, phones, PageClients(web_port, count))
        press_start(window)
        time.sleep(PREPARATION_S + 1)
        used = measure(app.pid, WORKING_S - 2)
        answers = crowd.close()
        time.sleep(LANDING_S + SETTLE_S)
    cards = sum(n for (path, status), n in answers.items() if path == "/timekeeper/card" and status == 200)
    cycle.check(cards > 0, f"no card was taken: {answers}")
    log = state / "log" / f"{datetime.date.today().isoformat()}.jsonl"
    return used, lateness(log), answers


def report_lateness(runs, count):
    print(f"With {count} timekeepers' phones, how late after their seconds (ms, over the runs' working times):")
    for kind, (median_target, max_target) in LATENESS_TARGETS.items():
        late = [ms for run in runs for ms in run[kind]]
        cycle.check(late, f"no {kind} in the working times")
        median, most = statistics.median(late), max(late)
        verdict = "within" if median <= median_target and most <= max_target else "OVER"
        print(f"  {kind}s: {len(late)}, median {median:.2f}, max {most:.2f} ({verdict} the targets of "
              f"<= {median_target} / <= {max_target})")


def percent(ns, wall):
    return 100.0 * ns / wall


def report(runs, program):
    print(f"bench_program_cpu: {program} under Xvfb + openbox, PulseAudio null sink, a pseudo-terminal as "
          f"port 1; TO LIBERO, preparation {PREPARATION_S} s, working time {WORKING_S} s (measured over "
          f"{WORKING_S - 2} s), READY over {READY_S} s; % of one core, median of {len(runs)} run(s)")
    names = sorted({name for run in runs for used, _ in run.values() for name in used})
    phases = list(TARGETS)
    width = max(len(name) for name in names + ["whole process"]) + 2
    print("thread".ljust(width) + "".join(f"{phase:>28}" for phase in phases))
    for name in names:
        cells = [statistics.median(percent(run[phase][0][name], run[phase][1]) for run in runs) for phase in phases]
        print(repr(name).ljust(width) + "".join(f"{cell:>27.3f}%" for cell in cells))
    whole = [statistics.median(percent(sum(run[phase][0].values()), run[phase][1]) for run in runs)
             for phase in phases]
    print("whole process".ljust(width) + "".join(f"{cell:>27.3f}%" for cell in whole))
    print("target".ljust(width) + "".join(f"{'<= ' + str(TARGETS[phase]):>27}%" for phase in phases))
    for phase, figure in zip(phases, whole):
        print(f"{phase}: {figure:.3f} % of one core ({'within' if figure <= TARGETS[phase] else 'OVER'} "
              f"the target of {TARGETS[phase]} %)")


def main():
    parser = argparse.ArgumentParser(description="CPU of the real program, per thread.")
    parser.add_argument("--program", required=True, type=Path, help="the built aerolap executable")
    parser.add_argument("--runs", type=int, default=3, help="runs to take the median of (1 while developing)")
    parser.add_argument("--clients", type=int, default=60, help="pilots' page clients in the last measurement")
    parser.add_argument("--timekeepers", type=int, default=20, help="timekeepers' phones in their own run")
    options = parser.parse_args()
    runs, late = [], []

    def body(program, work):
        cycle.set_environment(work)
        cycle.write_tones(work / "sounds")
        cycle.start_sound_server(work)
        cycle.start_display()
        for index in range(options.runs):
            print(f"run {index + 1} of {options.runs}", flush=True)
            runs.append(one_run(program, work, options.clients))
            used, lateness_of_run, answers = timekeepers_run(program, work, options.timekeepers)
            runs[-1]["working time, timekeepers"] = used
            late.append(lateness_of_run)
            print(f"the timekeepers' phones were answered (path, status: count): {answers}", flush=True)

    status = cycle.main(body, "BENCH_PROGRAM_CPU")
    if late:
        report(runs, options.program)
        report_lateness(late, options.timekeepers)
    return status


if __name__ == "__main__":
    sys.exit(main())
