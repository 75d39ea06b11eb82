#!/usr/bin/env python3
# The pilots' display in a real browser while the real program runs a contest schedule of two short groups.
#
# The program runs as in run_whole_cycle.py (private Xvfb under openbox, a pseudo-terminal as port 1) with
# its page on a free loopback port and `--schedule`; a headless Chromium, driven through chromium-driver,
# shows the page, and a script in the page stamps every change of its digits. The director only presses
# START for the first group. Checked: the page shows the state as it loads; the schedule starts the second
# group itself after the gap, and the frames of both cycles are those of the plain cycle, each on its
# second, though a crowd of abusive connections comes in the first working time; the page's digits,
# phases and groups follow the frames; the position written beside the schedule at the end; the page
# marks the lost program within 3 s and comes back by itself. With a draw (`--draw`), the page shows
# the group in hand and the one on deck, and a pilot who picked their name sees their group's START
# counted down to within a second and a half of when it comes, and the moment their group is called.
# A private message bus stands for the laptop's system and session bus, with a stand-in login
# manager and screen saver: the laptop is held awake from the start to the end of the program, and
# the screen saver off from the first START to the end of the schedule.
#
# Time base: frames are stamped on CLOCK_MONOTONIC, the page on the wall clock (performance.timeOrigin);
# the offset between the two is taken once at the start.

import contextlib, json, os, re, socket, statistics, subprocess, sys, time, urllib.request  # noqa: E401

import run_whole_cycle as cycle
from selenium import webdriver
from selenium.webdriver.chrome.service import Service

# Frames may be this late against their second (sanitizer build, browser and crowd on 2 cores); the page
# this late after its frame.
PREPARATION_S, WORKING_S, GAP_S, FRAME_LIMIT_S, LAG_LIMIT_S, CROWD = 5, 5, 5, 0.1, 0.5, 300
SCHEDULE = {"name": "E2E", "preparation": "00.00.05", "gap": "00.00.05", "colour": "kept",
            "rounds": [{"task": "A", "working": "00.00.05", "groups": 2}]}
CHROMIUM = ("--headless --no-sandbox --disable-gpu --disable-quic --no-first-run --disable-background-networking "
            "--disable-component-update --disable-sync --window-size=1024,600").split()
DRAW = "\ufeffround;group;pilot\r\n1;1;Anna\r\n1;1;Bruno\r\n1;2;Carla\r\n1;2;\"Dario, Jr\"\r\n"
PILOT = "Carla"
RECORDER = """window.seen = []; window.you = []; const time = document.getElementById("time");
new MutationObserver(() => window.seen.push([performance.timeOrigin + performance.now(), time.textContent,
    document.body.className, document.getElementById("schedule").textContent])).observe(time, {childList: true});
const you = document.getElementById("you");
new MutationObserver(() => window.you.push([performance.timeOrigin + performance.now(), you.textContent,
    you.className])).observe(you, {childList: true, subtree: true, characterData: true, attributes: true});"""
GROUPS = """return ["now", "deck"].map((id) => [...document.querySelectorAll("#" + id + " li")].map((li) => li.textContent))
    .concat([[document.getElementById("you").textContent]]);"""


def browser(work, profile="chromium", language="en-US,en"):
    # Each profile is a phone of its own (its own storage); `language` is its Accept-Language and
    # navigator.languages, English unless a test asks for another.
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in CHROMIUM + [f"--user-data-dir={work / profile}", f"--accept-lang={language}"]:
        options.add_argument(argument)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def abuse(port):
    # More connections than the cap, every third a half-sent request, the others oversized headers.
    crowd = [socket.create_connection(("127.0.0.1", port), timeout=2) for _ in range(CROWD)]
    for index, peer in enumerate(crowd):
        with contextlib.suppress(OSError):
            peer.sendall(b"GET / HTTP/1.1\r\nHost: x\r\n" + (b"X-Filler: " + b"a" * 20000 if index % 3 else b""))
    return crowd


SLEEP_LOCK = "inhibit sleep:idle:handle-lid-switch|Aerolap|A contest round is timed|block"
SCREEN_SAVER_OFF = "screensaver-inhibit Aerolap|A contest round is timed 1"


def start_program(program, port_path, web_port, schedule, draw):
    return cycle.start([program, "--web-port", web_port, "--schedule", schedule, "--draw", draw], env={
        **cycle.ENV, "QT_QPA_PLATFORM": "xcb", "AEROLAP_COM1": port_path, "AEROLAP_SOUNDS": "/nonexistent"})


def start_laptop_bus():
    # The bus, as both of the laptop's buses in ENV, and what the stand-in says it was asked, line by line.
    bus = cycle.start(["dbus-daemon", "--session", "--nofork", "--print-address"], stdout=subprocess.PIPE)
    address = bus.stdout.readline().decode().strip()
    cycle.ENV.update(DBUS_SYSTEM_BUS_ADDRESS=address, DBUS_SESSION_BUS_ADDRESS=address)
    stand_in = cycle.start([os.environ["AEROLAP_STAND_IN_LOGIN_SERVICES"], address, "serve"],
                           stdout=subprocess.PIPE)
    said, _ = cycle.collect(stand_in.stdout.fileno())
    lines = lambda: b"".join(chunk for _, chunk in said).decode().splitlines()  # noqa: E731
    cycle.wait_until(lambda: "ready" in lines(), 30, "the stand-in login manager")
    return lambda: lines()[1:]


def page_follows_frames(program, work):
    cycle.set_environment(work)
    cycle.start_display()
    far_end, port_fd = os.openpty()
    serial, _ = cycle.collect(far_end)
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        web_port = probe.getsockname()[1]
    (schedule := work / "day.json").write_text(json.dumps(SCHEDULE))
    asked = start_laptop_bus()
    (draw := work / "draw.csv").write_text(DRAW, encoding="utf-8")
    app = start_program(program, os.ttyname(port_fd), web_port, schedule, draw)
    driver, offset = browser(work), time.time() - time.monotonic()
    try:
        cycle.click(*cycle.box(cycle.find_window(cycle.ABOUT_TITLE, 90), cycle.CMD_OK))
        window = cycle.find_window(cycle.MAIN_TITLE, 30)
        time.sleep(1)  # the schedule's times are set
        state = json.load(urllib.request.urlopen(f"http://127.0.0.1:{web_port}/api/state"))
        driver.get(f"http://127.0.0.1:{web_port}/")
        shown = driver.execute_script("return document.getElementById('time').textContent")
        cycle.check(shown == page_time(state["time"]), f"the page showed {shown!r} as it loaded, not {state['time']!r}")
        driver.execute_script(f"localStorage.setItem('aerolap.pilot', {PILOT!r})")
        expected_groups = [["Anna", "Bruno"], ["Carla", "Dario, Jr"], ["You fly in round 1, group 2.Not you?"]]
        cycle.wait_until(lambda: driver.execute_script(GROUPS) == expected_groups, 5, "the draw on the page")
        driver.execute_script(RECORDER)
        first = len(cycle.split_frames(serial)[0])
        cycle.click(*cycle.box(window, cycle.COMMAND5_START))
        time.sleep(PREPARATION_S + 1)
        crowd = abuse(web_port)
        one, _ = cycle.timeline(PREPARATION_S, WORKING_S)
        length = PREPARATION_S + WORKING_S + cycle.LANDING_S
        # The second cycle's display already shows its preparation time when it starts.
        expected = one + [(due + length + GAP_S, frame) for due, frame in one[1:]]
        cycle.wait_until(lambda: len(cycle.split_frames(serial)[0]) >= first + len(expected), 2 * length + 30,
                         "both cycles")
        for peer in crowd:
            peer.close()
        time.sleep(1)  # nothing may follow
        frames = cycle.split_frames(serial)[0][first:]
        start_s = min(arrived - due for (due, _), (arrived, _) in zip(expected, frames))
        # The frame at START comes from the click, not from a second of the count.
        late = [1000 * (arrived - start_s - due) for (due, _), (arrived, _) in zip(expected, frames) if due]
        print(f"Frames against their second, {CROWD} abusive connections in the first working time: median "
              f"{statistics.median(late):.1f} ms, max {max(late):.1f} ms; the second cycle's first second "
              f"{frames[len(one)][0] - frames[len(one) - 1][0]:.3f} s after the end of the first")
        cycle.check([f for _, f in frames] == [f for _, f in expected],
                    f"the frames are not those of two cycles: {[f for _, f in frames]}")
        cycle.check(max(late) <= 1000 * FRAME_LIMIT_S, "a frame was late: abused, or the gap did not keep its time")
        check_page(driver.execute_script("return window.seen"), frames, offset)
        check_countdown(driver.execute_script("return window.you"), frames[len(one)][0] + offset)
        state = json.loads((work / "home" / ".local" / "share" / "Aerolap" / "cycle-state.json").read_text())
        cycle.check(state.get("schedule") == {"file": str(schedule), "round": 1, "group": 2, "flight": 1,
                                              "state": "finished"},
                    f"the state file holds the schedule at {state.get('schedule')}")
        cycle.check(json.loads(schedule.read_text()) == SCHEDULE, "the schedule file was changed")
        held = [SLEEP_LOCK, SCREEN_SAVER_OFF, "screensaver-uninhibit 1"]
        with contextlib.suppress(TimeoutError):
            cycle.wait_until(lambda: len(asked()) >= len(held), 5, "the screen saver to be let go")
        cycle.check(asked() == held, f"the laptop's login manager and screen saver were asked: {asked()}")
        app.kill()
        app.wait(10)
        gone = time.monotonic()
        cycle.wait_until(lambda: "released" in asked(), 5, "the sleep lock to go with the program")
        lost = "return document.body.classList.contains('lost')"
        cycle.wait_until(lambda: driver.execute_script(lost), 3, "the page to mark the connection lost")
        print(f"Connection lost shown {1000 * (time.monotonic() - gone):.0f} ms after the program ended")
        cycle.PROCESSES.remove(app)
        start_program(program, os.ttyname(port_fd), web_port, schedule, draw)
        cycle.wait_until(lambda: not driver.execute_script(lost), 30, "the page to reconnect")
    finally:
        driver.quit()
        os.close(far_end)


def page_time(text):
    """The window's "00.00.30" as the page shows it: minutes and seconds, hours only when there are any."""
    hours, minutes, seconds = (int(part) for part in text.split("."))
    return f"{hours}:{minutes:02}:{seconds:02}" if hours else f"{minutes}:{seconds:02}"


def check_countdown(you, second_start):
    # Each "in M:SS" the pilot saw before their group's START, against when it came (wall clock, ms).
    errors = []
    for at, text, _ in you:
        match = re.search(r"group 2, in (\d+):(\d\d) ", text)
        if match and at / 1000 < second_start:
            errors.append(at / 1000 + int(match[1]) * 60 + int(match[2]) - second_start)
    print(f"The pilot's count-down against their START: {len(errors)} readings, "
          f"worst {max(map(abs, errors or [0])):.2f} s")
    cycle.check(errors and max(map(abs, errors)) <= 1.5, f"the count-down missed the START: {errors[:5]}")
    called = [at / 1000 for at, _, classes in you if classes == "called"]
    cycle.check(called and called[0] <= second_start, "the pilot's group was not marked as called before it flew")
    cycle.check(any(text.startswith("You are flying: round 1, group 2.") for _, text, _ in you),
                "the page never said the pilot was flying")


def check_page(seen, frames, offset):
    # Each frame that stays on the line (not replaced by the next within its handler) reaches the page.
    lags, missing, phases = [], [], []
    for index, (arrived, frame) in enumerate(frames):
        if index + 1 < len(frames) and frames[index + 1][0] - arrived < 0.05:
            continue
        text, wall = page_time(f"00.{frame[1:3].decode()}.{frame[3:5].decode()}"), arrived + offset
        match = next((at / 1000 for at, shown, *_ in seen if shown == text and at / 1000 >= wall - 0.05), None)
        (lags.append(1000 * (match - wall)) if match else missing.append(text))
    for phase in (classes.split()[0] for _, _, classes, _ in seen):
        phases += [] if phases and phases[-1] == phase else [phase]
    print(f"Page digits after their frame: median {statistics.median(lags or [0]):.1f} ms, "
          f"max {max(lags or [0]):.1f} ms over {len(lags)} frames; phases {' '.join(phases)}")
    cycle.check(not missing and max(lags) <= 1000 * LAG_LIMIT_S, f"the page lagged or missed frames: {missing[:5]}")
    cycle.check(phases == ["preparation", "working", "landing", "ready"] * 2, f"phases on the page: {phases}")
    cycle.check(any("final" in classes for _, shown, classes, _ in seen if shown == "0:03"),
                "the last ten seconds are not marked")
    groups = sorted({line[:len("Round 1Group 1")] for *_, line in seen if line})
    cycle.check(groups == ["Round 1Group 1", "Round 1Group 2"], f"groups on the page: {groups}")


if __name__ == "__main__":
    sys.exit(cycle.main(page_follows_frames, "WEB E2E"))
