#!/usr/bin/env python3
# The director's remote in a real browser driving the real program.
#
# The program runs as in run_web_display.py (private Xvfb under openbox, a pseudo-terminal as port 1,
# the page on a free loopback port), with one phone already paired today in its state folder. A headless
# Chromium opens /remote. Checked: the page's own HMAC-SHA-256 gives RFC 4231's values; an unpaired page
# (no pairing, or a made-up device and secret) is refused and changes nothing, frames included; the paired
# page's START starts the cycle, the frames on the pseudo-terminal count its seconds, its STOP stops them
# and its RESET brings READY back, each shown on the page as confirmed by the state that followed; each
# command is a notice naming the phone.

import datetime, json, os, secrets, socket, sys, time  # noqa: E401
from pathlib import Path

import run_whole_cycle as cycle
from run_web_display import browser

VECTORS = Path(__file__).resolve().parent.parent / "remote" / "rfc4231.json"
PHONE = {"id": "e2e0phone0id", "name": "E2E phone", "secret": secrets.token_bytes(32)}
HMAC_CHECK = """return arguments[0].map(c => AerolapHmac.toHex(AerolapHmac.hmacSha256(
    AerolapHmac.fromHex(c.key), AerolapHmac.fromHex(c.data))) === c.hmac ? "ok" : c.name);"""


def pair_today(work):
    # The phone as the program keeps it once paired: today's devices in the state folder.
    folder = work / "home" / ".local" / "share" / "Aerolap"
    folder.mkdir(parents=True)
    now_ms = int(time.time() * 1000)
    device = {"id": PHONE["id"], "name": PHONE["name"], "paired": now_ms, "last_seen": now_ms,
              "secret": __import__("base64").b64encode(PHONE["secret"]).decode(), "sequence": "0"}
    (folder / "remote-devices.json").write_text(json.dumps(
        {"day": datetime.date.today().isoformat(), "devices": [device]}))


def use_pairing(driver, port, device, secret):
    driver.get(f"http://127.0.0.1:{port}/remote")
    driver.execute_script("localStorage.setItem('aerolap-remote', JSON.stringify(arguments[0]))",
                          {"device": device, "name": "x", "secret": secret.hex(), "sequence": 0})
    driver.get(f"http://127.0.0.1:{port}/remote")
    cycle.wait_until(lambda: driver.execute_script("return !document.getElementById('remote').hidden"), 10,
                     "the remote page's buttons")


def press(driver, button, expect):
    driver.execute_script(f"document.getElementById('{button}').click()")
    message = lambda: driver.execute_script(  # noqa: E731
        "const m = document.getElementById('message'); return [m.className, m.textContent]")
    try:
        return cycle.wait_until(lambda: (m := message())[0] == expect and m, 10, f"{button} {expect}")
    except TimeoutError:
        raise TimeoutError(f"the page did not show {button} {expect}: it shows {message()}") from None


def remote_drives_program(program, work):
    cycle.set_environment(work)
    cycle.start_display()
    pair_today(work)
    far_end, port_fd = os.openpty()
    serial, _ = cycle.collect(far_end)
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        web_port = probe.getsockname()[1]
    errors = open(work / "stderr.txt", "wb")
    cycle.start([program, "--web-port", web_port], env={
        **cycle.ENV, "QT_QPA_PLATFORM": "xcb", "AEROLAP_COM1": os.ttyname(port_fd),
        "AEROLAP_SOUNDS": "/nonexistent"}, stderr=errors)
    driver = browser(work)
    try:
        cycle.close_about_box()
        frames = lambda: cycle.split_frames(serial)[0]  # noqa: E731
        driver.get(f"http://127.0.0.1:{web_port}/remote")
        cycle.wait_until(lambda: driver.execute_script("return !document.getElementById('pairing').hidden"), 10,
                         "the pairing form (the page's script runs under its content policy)")
        wrong = driver.execute_script(HMAC_CHECK, json.loads(VECTORS.read_text()))
        cycle.check(wrong == ["ok"] * 6, f"the page's HMAC-SHA-256 fails RFC 4231: {wrong}")

        before = len(frames())
        driver.execute_script("document.getElementById('code').value = '123456';"
                              "document.getElementById('name').value = 'Stranger';"
                              "document.getElementById('pair').click()")
        cycle.wait_until(lambda: "Pairing is closed" in driver.execute_script(
            "return document.getElementById('message').textContent"), 10, "the refused pairing")
        use_pairing(driver, web_port, "made-up-device", secrets.token_bytes(32))
        refused = press(driver, "start", "refused")
        cycle.check("not paired" in refused[1], f"an unknown device's START said {refused[1]!r}")
        use_pairing(driver, web_port, PHONE["id"], secrets.token_bytes(32))
        refused = press(driver, "start", "refused")
        cycle.check("signature" in refused[1], f"a forged START said {refused[1]!r}")
        time.sleep(2)
        cycle.check(len(frames()) == before, "the unpaired page's attempts sent frames")

        use_pairing(driver, web_port, PHONE["id"], PHONE["secret"])
        started = len(frames())
        print("Paired page: START")
        confirmed = press(driver, "start", "confirmed")[1]
        # Told by the phase START began, which the status line names only at the preparation's
        # first tick.
        cycle.check(confirmed.endswith("The timer is in the preparation."),
                    f"START was confirmed as {confirmed!r}")
        cycle.wait_until(lambda: len(frames()) >= started + 4, 10, "four frames of the preparation")
        print("Paired page: STOP")
        confirmed = press(driver, "stop", "confirmed")[1]
        cycle.check(confirmed.endswith("The timer is stopped."), f"STOP was confirmed as {confirmed!r}")
        stopped = len(frames())
        # The display already shows the preparation's 30 s, so the first frame is the 29th second's.
        counted = frames()[started:stopped]
        cycle.check([frame for _, frame in counted] == [cycle.frame(29 - n) for n in range(len(counted))],
                    f"the frames after the remote's START are not the preparation's count: {counted}")
        steps = [later - earlier for (earlier, _), (later, _) in zip(counted, counted[1:])]
        print(f"Frames a second apart: {', '.join(f'{step:.3f}' for step in steps)} s")
        cycle.check(all(abs(step - 1) < 0.1 for step in steps), "the remote's cycle does not keep its seconds")
        time.sleep(2.5)
        cycle.check(len(frames()) == stopped, "frames went on after the remote's STOP")
        confirmed = press(driver, "reset", "confirmed")[1]
        cycle.check(confirmed.endswith("The timer is at READY."), f"RESET was confirmed as {confirmed!r}")
        cycle.wait_until(lambda: driver.execute_script(
            "return document.getElementById('status').textContent") == "READY", 10, "READY on the page")
        errors.flush()
        told = (work / "stderr.txt").read_text()
        for done in ("started the cycle", "stopped the cycle", "reset the timer"):
            cycle.check(f'("E2E phone"): {done}' in told, f"no notice that the phone {done}")
    finally:
        driver.quit()
        os.close(far_end)


if __name__ == "__main__":
    sys.exit(cycle.main(remote_drives_program, "REMOTE E2E"))
