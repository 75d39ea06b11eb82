#!/usr/bin/env python3
# Two official timekeepers' phones time their pilots against the real program, one of them cut off.
#
# The real program runs as in run_results_page.py (private Xvfb under openbox, a pseudo-terminal as port 1,
# the page on a free loopback port) with a schedule of one round of task B, two minutes' working time and
# one group of two pilots, the scores file beside it, and two phones already paired today as timekeepers in
# its state folder. Two headless Chromiums at a phone's 390 x 844, each with its own profile, open
# /timekeeper; each claims its pilot (the other's pilot shows as taken), START is pressed in the window, and
# each times two flights with its LAUNCH/LANDED button. Phone B reaches the laptop through a connection the
# test can cut: it is cut off for a minute in the middle of its first flight (the page must say the
# connection is lost) and reloaded once back, the flight still in the air; its card is signed while it is
# cut off again, so it waits in the outbox and goes once the phone is back. Checked: the page fits the phone's width
# with its big button a quarter of the screen's height; the cards in the scores file beside the schedule
# are the phones' own, whole seconds, B's first flight spanning the outage; the day log has exactly one
# card line for each pilot, naming the phone; the group confirmed in the Scores window (Ctrl+K, Alt+C),
# the pilots' page's Results view ranks the two as their cards score.

import argparse, base64, contextlib, datetime, json, math, os, secrets, socket, sys, threading, time  # noqa: E401
from pathlib import Path

import run_whole_cycle as cycle
from run_results_page import start_contest_day
from run_web_display import browser

PILOTS, WORKING_S, CAP_S, OUTAGE_S = ["Anna", "Bruno"], 120, 180, 60
SCHEDULE = {"name": "Timekeepers E2E", "preparation": "00.00.05", "gap": "00.00.05", "colour": "kept",
            "rounds": [{"task": "B", "working": "00.02.00", "groups": 1}],
            "draw": {"pilots": [{"name": name} for name in PILOTS], "rounds": [[PILOTS]]}}
SCORES = {"format": "aerolap-scores", "version": 1, "rules": {"minimum_rounds": 1}, "rounds": []}
PHONES = [{"id": "e2e0keeper0a", "name": "Keeper A", "secret": secrets.token_bytes(32), "pilot": "Anna"},
          {"id": "e2e0keeper0b", "name": "Keeper B", "secret": secrets.token_bytes(32), "pilot": "Bruno"}]
PAGE = """const text = (id) => document.getElementById(id).textContent;
return {view: ["pick", "timing", "signing"].find((id) => !document.getElementById(id).hidden),
  phase: document.body.className, status: text("status"), button: text("flight-label"), signature: text("signature"),
  outboxText: text("outbox"), card: JSON.parse(localStorage.getItem("aerolap-timekeeper-card")),
  outbox: JSON.parse(localStorage.getItem("aerolap-timekeeper-outbox") || "[]"),
  pilots: [...document.querySelectorAll("#pilots button")].map((b) => [b.textContent, b.disabled]),
  wide: document.documentElement.scrollWidth, big: document.getElementById("flight").getBoundingClientRect().height,
  high: innerHeight};"""
PICK = "[...document.querySelectorAll('#pilots button')].find((b) => b.textContent.startsWith(arguments[0])).click()"


class Cable:
    """The way between one phone and the laptop's port, which the test can cut: then every connection
    on it is shut, the page's WebSocket too, and each new one is shut at once, as a phone out of the
    field's Wi-Fi finds it."""

    def __init__(self, laptop_port):
        self.listener = socket.create_server(("127.0.0.1", 0))
        self.port, self.laptop_port, self.cut, self.open = self.listener.getsockname()[1], laptop_port, False, []
        threading.Thread(target=self.accept, daemon=True).start()

    def accept(self):
        with contextlib.suppress(OSError):
            while True:
                phone, _ = self.listener.accept()
                if self.cut:
                    phone.close()
                    continue
                laptop = socket.create_connection(("127.0.0.1", self.laptop_port))
                self.open += [phone, laptop]
                for source, sink in ((phone, laptop), (laptop, phone)):
                    threading.Thread(target=self.carry, args=(source, sink), daemon=True).start()

    @staticmethod
    def carry(source, sink):
        with contextlib.suppress(OSError):
            while data := source.recv(65536):
                sink.sendall(data)
        for end in (source, sink):
            with contextlib.suppress(OSError):
                end.shutdown(socket.SHUT_RDWR)

    def set_cut(self, cut):
        self.cut = cut
        for end in self.open if cut else []:
            with contextlib.suppress(OSError):
                end.shutdown(socket.SHUT_RDWR)
        self.open = [] if cut else self.open


def pair_today(work):
    # Both phones as the program keeps them once paired as timekeepers: today's devices in the state folder.
    folder = work / "home" / ".local" / "share" / "Aerolap"
    folder.mkdir(parents=True)
    now_ms = int(time.time() * 1000)
    devices = [{"id": phone["id"], "name": phone["name"], "paired": now_ms, "last_seen": now_ms,
                "secret": base64.b64encode(phone["secret"]).decode(), "sequence": "0", "role": "timekeeper"}
               for phone in PHONES]
    (folder / "remote-devices.json").write_text(json.dumps(
        {"day": datetime.date.today().isoformat(), "devices": devices}))
    return folder


def phone_browser(work, phone):
    # A profile of its own, and the page laid out as on a phone held upright.
    driver = browser(work / phone["name"].replace(" ", "-"))
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": 390, "height": 844, "deviceScaleFactor": 1, "mobile": True})
    return driver


def open_paired(driver, port, phone):
    driver.get(f"http://127.0.0.1:{port}/timekeeper")
    driver.execute_script("localStorage.setItem('aerolap-timekeeper', JSON.stringify(arguments[0]))",
                          {"device": phone["id"], "name": phone["name"], "secret": phone["secret"].hex()})
    driver.get(f"http://127.0.0.1:{port}/timekeeper")


def page(driver):
    return driver.execute_script(PAGE)


def click(driver, element_id):
    driver.execute_script("document.getElementById(arguments[0]).click()", element_id)


def press_flight(driver, expect):
    # The big button as a finger presses it; it must then read the other way. The press fell between
    # the two moments returned.
    before = time.monotonic()
    driver.find_element("id", "flight").click()
    cycle.wait_until(lambda: page(driver)["button"] == expect, 5, f"the button to read {expect}")
    return before, time.monotonic()


def flight(launched, landed):
    # The whole seconds a stopwatch could show for it: at least and at most.
    return math.floor(landed[0] - launched[1]), math.floor(landed[1] - launched[0])


def sign(driver, name):
    click(driver, "to-sign")
    cycle.wait_until(lambda: page(driver)["view"] == "signing", 5, "the pilot's signing step")
    driver.execute_script("document.getElementById('signer').value = arguments[0];"
                          "document.getElementById('sign').click()", name)


def taken(driver):
    shown = page(driver)
    return not shown["outbox"] and shown["card"]["acknowledged"] and "On the laptop" in shown["signature"]


def expected_raw(flights):
    # Task B: the last two flights, each at most the cap and only up to the end of the working time.
    counted = [min(f["seconds"], CAP_S, WORKING_S - f.get("launched_at", 0)) for f in flights[-2:]]
    return sum(counted)


def check_laptop(work, folder, cards):
    sheet = json.loads((work / "day.scores.json").read_text(encoding="utf-8"))
    kept = {card["pilot"]: card["flights"] for card in sheet["rounds"][0][0]["cards"]}
    for pilot, flights in cards.items():
        cycle.check(kept.get(pilot) == flights, f"{pilot}'s card in the scores file: {kept.get(pilot)}, "
                                                f"the phone's: {flights}")
    log = folder / "log" / f"{datetime.date.today().isoformat()}.jsonl"
    lines = [json.loads(line) for line in log.read_text(encoding="utf-8").splitlines() if line.strip()]
    for phone in PHONES:
        mine = [line for line in lines if line.get("kind") == "score" and line.get("what") == "card"
                and line.get("pilot") == phone["pilot"]]
        cycle.check(len(mine) == 1 and mine[0].get("phone") == phone["name"],
                    f"the day log's card lines for {phone['pilot']}: {mine}")


def results_on_pilots_page(driver, port, cards):
    driver.get(f"http://127.0.0.1:{port}/")
    cycle.wait_until(lambda: driver.execute_script("return document.querySelector('#you select')"), 10,
                     "the pilots' page's list of names")
    driver.execute_script("const pick = document.querySelector('#you select'); pick.value = arguments[0];"
                          "pick.dispatchEvent(new Event('change'))", PILOTS[0])
    cycle.wait_until(lambda: not driver.execute_script("return document.getElementById('show-results').hidden"),
                     15, "the Results view on the pilots' page")
    click(driver, "show-results")
    raw = {pilot: expected_raw(flights) for pilot, flights in cards.items()}
    best = max(raw.values())
    ranked = sorted(raw, key=lambda pilot: -raw[pilot])
    expected = [[str(place), pilot, f"{1000.0 * raw[pilot] / best:.1f}"] for place, pilot in enumerate(ranked, 1)]
    standings = cycle.wait_until(lambda: (shown := [row for row in driver.execute_script(
        "return [...document.querySelectorAll('#standings tr')].map((row) => [...row.cells].map((c) => c.textContent))")
        if len(row) == 3]) == expected and shown, 10, f"the standings {expected}")
    print(f"Pilots' page standings: {standings}")


def timekeepers(program, work, screenshot):
    cycle.set_environment(work)
    cycle.start_display()
    folder = pair_today(work)
    web_port, far_end, port_fd = start_contest_day(program, work, SCHEDULE, SCORES)
    a, b = drivers = [phone_browser(work, phone) for phone in PHONES]
    try:
        main_window = cycle.close_about_box()
        # Keeper B reaches the laptop through a cable the test can cut.
        cable = Cable(web_port)
        for driver, phone, port in zip(drivers, PHONES, (web_port, cable.port)):
            open_paired(driver, port, phone)
            cycle.wait_until(lambda: len(page(driver)["pilots"]) == 2, 15, f"{phone['name']}'s list of pilots")
        a.execute_script(PICK, "Anna")
        cycle.wait_until(lambda: page(a)["view"] == "timing", 10, "Keeper A's card for Anna")
        # Refreshed every few seconds while picking: the other phone's pilot is not to be had.
        cycle.wait_until(lambda: ["Anna — timed by Keeper A", True] in page(b)["pilots"], 10,
                         f"Anna shown as taken on Keeper B, as {page(b)['pilots']}")
        b.execute_script(PICK, "Bruno")
        cycle.wait_until(lambda: page(b)["view"] == "timing", 10, "Keeper B's card for Bruno")
        for driver in drivers:
            shown = page(driver)
            cycle.check(shown["wide"] <= 390, f"the page is {shown['wide']} px wide on a 390 px phone")
            cycle.check(shown["big"] >= shown["high"] / 4,
                        f"the big button is {shown['big']:.0f} px high of {shown['high']}")

        cycle.click(*cycle.box(main_window, cycle.COMMAND5_START))
        cycle.wait_until(lambda: all(page(driver)["phase"] == "working" for driver in drivers), 30,
                         "the working time on both phones")
        working = time.monotonic()
        at = lambda seconds: time.sleep(max(0.0, working + seconds - time.monotonic()))  # noqa: E731
        flown = {"Anna": [], "Bruno": []}

        at(2)
        launches = [press_flight(a, "LANDED"), press_flight(b, "LANDED")]
        at(4)
        cable.set_cut(True)
        print(f"Keeper B cut off for {OUTAGE_S} s, Bruno in the air")
        cycle.wait_until(lambda: page(b)["status"] == "CONNECTION LOST", 5, "Keeper B to show the connection lost")
        at(8)
        flown["Anna"].append(flight(launches[0], press_flight(a, "LAUNCH")))
        at(10)
        launches[0] = press_flight(a, "LANDED")
        at(13)
        if screenshot:
            a.save_screenshot(str(screenshot))
        at(16)
        flown["Anna"].append(flight(launches[0], press_flight(a, "LAUNCH")))
        sign(a, "AN")
        cycle.wait_until(lambda: taken(a), 10, "Anna's card on the laptop")
        at(4 + OUTAGE_S)
        cable.set_cut(False)
        at(5 + OUTAGE_S)
        b.refresh()
        cycle.wait_until(lambda: page(b)["button"] == "LANDED", 10, "Bruno's flight still in the air after the reload")
        at(8 + OUTAGE_S)
        flown["Bruno"].append(flight(launches[1], press_flight(b, "LAUNCH")))
        at(10 + OUTAGE_S)
        launches[1] = press_flight(b, "LANDED")
        at(16 + OUTAGE_S)
        flown["Bruno"].append(flight(launches[1], press_flight(b, "LAUNCH")))
        cable.set_cut(True)
        sign(b, "BR")
        cycle.wait_until(lambda: "not on the laptop yet" in page(b)["outboxText"], 10,
                         "Bruno's card waiting in the outbox while Keeper B is cut off")
        time.sleep(4)
        cable.set_cut(False)
        cycle.wait_until(lambda: taken(b), 15, "Bruno's card on the laptop once Keeper B is back")
        b.refresh()
        cycle.wait_until(lambda: page(b)["view"] == "timing", 10, "Keeper B's page after the reload")
        time.sleep(4)
        cycle.check(taken(b) and not page(b)["outbox"], "Keeper B still has a card to send after the reload")

        cards = {phone["pilot"]: driver.execute_script(
            "return JSON.parse(localStorage.getItem('aerolap-timekeeper-card')).flights")
            for driver, phone in zip(drivers, PHONES)}
        for pilot, flights in cards.items():
            seconds = [flight["seconds"] for flight in flights]
            print(f"{pilot}: the phone's flights {flights}, the test's bounds {flown[pilot]}")
            within = all(least <= got <= most for got, (least, most) in zip(seconds, flown[pilot]))
            cycle.check(len(seconds) == 2 and within,
                        f"{pilot}'s flights {seconds} against the test's bounds {flown[pilot]}")
            cycle.check(all("launched_at" in flight for flight in flights), f"{pilot}'s launches have no moment")
        cycle.check(cards["Bruno"][0]["seconds"] > OUTAGE_S, "Bruno's first flight does not span the outage")
        check_laptop(work, folder, cards)

        cycle.run("xdotool", "windowactivate", "--sync", main_window, "key", "ctrl+k")
        scores = cycle.find_window("Scores", 15)
        cycle.run("xdotool", "windowactivate", "--sync", scores, "key", "alt+c")
        results_on_pilots_page(a, web_port, cards)
    finally:
        for driver in drivers:
            driver.quit()
        os.close(far_end)


if __name__ == "__main__":
    options = argparse.ArgumentParser(description="Two timekeepers' phones against the real program.")
    options.add_argument("--screenshot", type=Path, help="also save Keeper A's page, a flight in the air, here")
    screenshot = options.parse_known_args()[0].screenshot
    sys.exit(cycle.main(lambda program, work: timekeepers(program, work, screenshot and screenshot.resolve()),
                        "TIMEKEEPERS E2E"))
