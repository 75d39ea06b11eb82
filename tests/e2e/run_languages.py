#!/usr/bin/env python3
# The phones' pages in the phone's language, against the real program.
#
# The program runs as in run_results_page.py (private Xvfb under openbox, a pseudo-terminal as port 1, the
# page on a free loopback port) with a schedule and its draw. Headless Chromium is set to German (its
# Accept-Language and navigator.languages): the pilots' page, the director's remote and the timekeeper's
# page must show their own words in German from the catalogues made at build time, a time of day as German
# writes it and the next cycle in German words, while the timer's caption stays as the laptop sends it. A pilot switches to French on the
# page: French at once, and still after a reload. A phone in a language the program does not speak reads
# English.

import json, os, socket, sys, urllib.request  # noqa: E401

import run_whole_cycle as cycle
from run_web_display import browser

SCHEDULE = {"name": "Languages", "date": "2026-06-13", "preparation": "00.00.05", "gap": "00.00.05",
            "colour": "kept", "rounds": [{"task": "A", "working": "00.07.00", "groups": 2}],
            "draw": {"pilots": [{"name": "Anna"}, {"name": "Bruno"}, {"name": "Carla"}, {"name": "Dário"}],
                     "rounds": [[["Anna", "Bruno"], ["Carla", "Dário"]]]}}
# What the pilots' page shows of its own, by language: the button, the schedule's line, the name picker,
# the lost connection, 14:05 as a time of day, and the next cycle as the laptop names it.
PILOTS = {
    "de": ["Vollbild", "Durchgang 1Gruppe 1Flug 1Aufgabe A", "Wer bist du? Wähle deinen Namen",
           "VERBINDUNG VERLOREN", "14:05", "Durchgang 3, Gruppe 2, Flug 1"],
    "fr": ["Plein écran", "Manche 1Groupe 1Vol 1Épreuve A", "Qui êtes-vous\u00a0? Choisissez votre nom",
           "CONNEXION PERDUE", "14:05", "manche 3, groupe 2, vol 1"],
    "en": ["Full screen", "Round 1Group 1Flight 1Task A", "Who are you? Pick your name", "CONNECTION LOST",
           "2:05 PM", "round 3, group 2, flight 1"],
}
PILOTS_PAGE = """const text = (id) => document.getElementById(id).textContent;
return {words: [text("fullscreen"), text("schedule"), document.querySelector("#you option")?.textContent,
                text("lost"), AerolapI18n.timeOfDay(new Date(2026, 0, 1, 14, 5)),
                AerolapI18n.nextCycle("round 3, group 2, flight 1")],
        lang: document.documentElement.lang, chosen: document.getElementById("language").value,
        phase: text("phase")};"""
PHONE_PAGES = {
    "remote": ("pairing-help", "Kopple dieses Telefon: Gib den sechsstelligen Code ein, den der Laptop unter "
                               "„Fernbedienung des Wettbewerbsleiters“ zeigt."),
    "timekeeper": ("new-card", "Nächster Pilot"),
}


def check_pilots_page(driver, language, status):
    page = lambda: driver.execute_script(PILOTS_PAGE)  # noqa: E731
    cycle.wait_until(lambda: page()["words"][:3] == PILOTS[language][:3], 10,
                     f"the pilots' page in {language!r}, as {page()['words']}")
    shown = page()
    cycle.check(shown["words"] == PILOTS[language], f"the pilots' page in {language!r} showed {shown['words']}")
    cycle.check(shown["lang"] == language and shown["chosen"] == language,
                f"the page's language is {shown['lang']!r}, its choice {shown['chosen']!r}, not {language!r}")
    cycle.check(shown["phase"] == status, f"the timer's caption {status!r} became {shown['phase']!r}")


def pages_speak_the_phones_language(program, work):
    cycle.set_environment(work)
    cycle.start_display()
    _, port_fd = os.openpty()
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        web_port = probe.getsockname()[1]
    (schedule := work / "day.json").write_text(json.dumps(SCHEDULE), encoding="utf-8")
    cycle.start([program, "--web-port", web_port, "--schedule", schedule], env={
        **cycle.ENV, "QT_QPA_PLATFORM": "xcb", "AEROLAP_COM1": os.ttyname(port_fd), "AEROLAP_SOUNDS": "/nonexistent"})
    cycle.close_about_box()
    address = f"http://127.0.0.1:{web_port}"
    status = json.load(urllib.request.urlopen(address + "/api/state"))["status"].strip()

    german = browser(work, profile="german", language="de-DE,de")
    try:
        german.get(address + "/")
        cycle.check(german.execute_script("return navigator.languages[0]") == "de-DE",
                    "the German browser's navigator.languages")
        check_pilots_page(german, "de", status)
        for path, (element, expected) in PHONE_PAGES.items():
            german.get(f"{address}/{path}")
            shown = lambda: german.execute_script(f"return document.getElementById('{element}').textContent")  # noqa: B023,E731
            cycle.wait_until(lambda: shown() == expected, 10, f"the {path} page in German, as {shown()!r}")
        german.get(address + "/")
        check_pilots_page(german, "de", status)
        german.execute_script("const pick = document.getElementById('language'); pick.value = 'fr';"
                              "pick.dispatchEvent(new Event('change'))")
        check_pilots_page(german, "fr", status)
        german.refresh()
        check_pilots_page(german, "fr", status)
        print("German on a German phone; French once picked there, and after a reload")
    finally:
        german.quit()

    unknown = browser(work, profile="unknown", language="sw-KE,sw")
    try:
        unknown.get(address + "/")
        check_pilots_page(unknown, "en", status)
        print("English on a phone in a language the program does not speak")
    finally:
        unknown.quit()


if __name__ == "__main__":
    sys.exit(cycle.main(pages_speak_the_phones_language, "LANGUAGES E2E"))
