#!/usr/bin/env python3
# Scores typed at the laptop reach a pilot's phone; the printed results and the export read back.
#
# The real program runs as in run_remote.py (private Xvfb under openbox, a pseudo-terminal as port 1, the
# page on a free loopback port) with a schedule whose draw flies two groups of two in its first round, and
# the scores file beside it asking for one completed round for a rank. A headless Chromium at 390 x 844,
# a phone held upright, shows the page, and its pilot picks their name. At the keyboard alone, as a director types
# cards: Ctrl+K opens the Scores window on the first group, the times go in with Tab between pilots, Alt+C
# confirms the group, Alt+G and Up go to the next; Alt+P prints the results and Alt+X exports them, each
# through the file dialog. Checked: the pilot's rank and last round under the clock after each group;
# the Results view (standings, the pilot's rounds when tapped, the teams) within the phone's width; the
# PDF's text (pdftotext) and the CSV's rows.

import csv, io, json, os, socket, subprocess, sys, time  # noqa: E401

import run_whole_cycle as cycle
from run_web_display import browser

PILOT = "Bruno"
SCHEDULE = {"name": "Results E2E", "date": "2026-06-13", "preparation": "00.00.05", "gap": "00.00.05",
            "colour": "kept", "rounds": [{"task": "A", "working": "00.07.00", "groups": 2}],
            "draw": {"pilots": [{"name": "Anna", "team": "North"}, {"name": "Bruno", "team": "North"},
                                {"name": "Carla", "team": "South"}, {"name": "Dário", "team": "South"}],
                     "rounds": [[["Anna", "Bruno"], ["Carla", "Dário"]]]}}
SCORES = {"format": "aerolap-scores", "version": 1, "rules": {"minimum_rounds": 1}, "rounds": []}
# Each group's times as typed, in the draw's order; the normalised scores that follow from them.
GROUPS = [["410", "330"], ["500", "100"]]
MINE = ["No rank yet: 0 of 1 rounds completed", "Rank 2 of 2 · Round 1: 840.0", "Rank 3 of 4 · Round 1: 840.0"]
STANDINGS = [["1", "Anna", "1000.0"], ["1", "Carla", "1000.0"], ["3", "Bruno", "840.0"], ["4", "Dário", "200.0"]]
CSV_ROWS = [["Anna", "North", "1", "1", "A", "4:10", "250", "1000.0", "0", "no", "1000.0"],
            ["Carla", "South", "1", "2", "A", "5:00", "300", "1000.0", "0", "no", "1000.0"],
            ["Bruno", "North", "1", "1", "A", "3:30", "210", "840.0", "0", "no", "840.0"],
            ["Dário", "South", "1", "2", "A", "1:00", "60", "200.0", "0", "no", "200.0"]]
PAGE = """const text = (id) => document.getElementById(id).textContent;
return {mine: text("mine"), rows: [...document.querySelectorAll("#standings tr")].map((row) =>
    [...row.cells].map((cell) => cell.textContent)), wide: document.documentElement.scrollWidth};"""


def keys(window, *steps):
    # Each step is typed as text, or pressed when it names keys ("Tab", "alt+c").
    for step in steps:
        typed = step.isdigit() or not step.isascii()
        cycle.run("xdotool", "windowactivate", "--sync", window, *(("type", "--delay", "60") if typed else ("key",)),
                  step)
        time.sleep(0.3)


def save_through_dialog(window, shortcut, title, path):
    keys(window, shortcut)
    dialog = cycle.find_window(title, 15)
    cycle.run("xdotool", "windowactivate", "--sync", dialog, "key", "ctrl+a", "type", "--delay", "20", str(path))
    cycle.run("xdotool", "windowactivate", "--sync", dialog, "key", "Return")
    cycle.wait_until(lambda: path.exists() and path.stat().st_size > 0, 15, f"{path.name} to be written")


def start_contest_day(program, work, schedule, scores):
    # The program with `schedule` as day.json and `scores` beside it, a pseudo-terminal as port 1 and
    # the pages on a free loopback port: that port, and both ends of the pseudo-terminal.
    far_end, port_fd = os.openpty()
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        web_port = probe.getsockname()[1]
    (path := work / "day.json").write_text(json.dumps(schedule), encoding="utf-8")
    (work / "day.scores.json").write_text(json.dumps(scores), encoding="utf-8")
    cycle.start([program, "--web-port", web_port, "--schedule", path], env={
        **cycle.ENV, "QT_QPA_PLATFORM": "xcb", "AEROLAP_COM1": os.ttyname(port_fd), "AEROLAP_SOUNDS": "/nonexistent"})
    return web_port, far_end, port_fd


def results_reach_the_page(program, work):
    cycle.set_environment(work)
    cycle.start_display()
    web_port, far_end, port_fd = start_contest_day(program, work, SCHEDULE, SCORES)
    driver = browser(work)
    try:
        driver.set_window_rect(width=390, height=844)
        main_window = cycle.close_about_box()
        driver.get(f"http://127.0.0.1:{web_port}/")
        picker = "return document.querySelector('#you select')"
        cycle.wait_until(lambda: driver.execute_script(picker), 10, "the page's list of names to pick from")
        driver.execute_script("const pick = document.querySelector('#you select'); pick.value = arguments[0];"
                              "pick.dispatchEvent(new Event('change'))", PILOT)
        page = lambda: driver.execute_script(PAGE)  # noqa: E731
        mine = lambda expected: lambda: page()["mine"] == expected  # noqa: E731
        cycle.wait_until(mine(MINE[0]), 10, f"{MINE[0]!r} under the clock")
        cycle.check(driver.execute_script("return document.getElementById('show-results').hidden"),
                    "the page offers results before any card is entered")
        keys(main_window, "ctrl+k")
        scores = cycle.find_window("Scores", 15)
        for number, times in enumerate(GROUPS, start=1):
            if number > 1:
                keys(scores, "alt+g", "Up")
            for typed in times:
                keys(scores, typed, "Tab")
            confirmed = time.monotonic()
            keys(scores, "alt+c")
            cycle.wait_until(mine(MINE[number]), 10, f"{MINE[number]!r} under the clock, as {page()['mine']!r}")
            print(f"Group {number} confirmed: {MINE[number]!r} under the clock "
                  f"{time.monotonic() - confirmed:.2f} s after Alt+C")

        driver.execute_script("document.getElementById('show-results').click()")
        shown = page()
        standings = [row for row in shown["rows"] if len(row) == 3]
        cycle.check(standings[:4] == STANDINGS, f"the page's standings: {standings}")
        cycle.check(standings[4:] == [["1", "NorthAnna, Bruno", "1840.0"], ["2", "SouthCarla, Dário", "1200.0"]],
                    f"the page's teams: {standings[4:]}")
        driver.execute_script("[...document.querySelectorAll('#standings tr.pilot')]"
                              f".find((row) => row.cells[1].textContent === {PILOT!r}).click()")
        rounds = [row for row in page()["rows"] if len(row) == 1]
        cycle.check(rounds == [["Round 1 (A): 840.0 · group 1: 3:30, raw 210, 840.0"]],
                    f"{PILOT}'s rounds on the page: {rounds}")
        cycle.check(page()["wide"] <= 390, f"the results are {page()['wide']} px wide on a 390 px phone")

        pdf, exported = work / "results.pdf", work / "results.csv"
        save_through_dialog(scores, "alt+p", "Print results", pdf)
        save_through_dialog(scores, "alt+x", "Export CSV", exported)
        printed = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, check=True).stdout.decode()
        lines = [" ".join(line.split()) for line in printed.splitlines()]
        for expected in ("Results E2E, 2026-06-13", "1 Anna North 1000.0 1000.0", "3 Bruno North 840.0 840.0",
                         "1 North Anna, Bruno 1840.0"):
            cycle.check(expected in lines, f"the printed results have no line {expected!r}:\n{printed}")
        rows = list(csv.reader(io.StringIO(exported.read_bytes().decode("utf-8"), newline="")))
        cycle.check(rows[0] == "pilot,team,round,group,task,flights,raw,normalised,penalty,dropped,total".split(","),
                    f"the CSV's headers: {rows[0]}")
        cycle.check(rows[1:] == CSV_ROWS, f"the CSV's rows: {rows[1:]}")
    finally:
        driver.quit()
        os.close(far_end)


if __name__ == "__main__":
    sys.exit(cycle.main(results_reach_the_page, "RESULTS E2E"))
