# Timekeepers' phones as the program meets them at a big contest, for the benchmarks: each paired today
# in the state folder, with the WebSocket of its page open and read, its pilot claimed, the group in hand
# fetched every 5 s and a signed card (a new version each time) handed in every 15 s, far more often
# than a timekeeper signs one, each on a connection of its own, as a phone's page makes them.

import base64, datetime, hashlib, hmac, http.client, json, os, secrets, threading, time  # noqa: E401


def pilots(count):
    return [f"Pilot {number:02}" for number in range(1, count + 1)]


def schedule(count, preparation_s, working_s):
    # One round of task B with every pilot in its one group, and a gap long enough to stay READY after.
    return {"name": "Timekeepers bench", "preparation": f"00.00.{preparation_s:02}", "gap": "01.00.00",
            "rounds": [{"task": "B", "working": f"00.{working_s // 60:02}.{working_s % 60:02}", "groups": 1}],
            "draw": {"pilots": [{"name": name} for name in pilots(count)], "rounds": [[pilots(count)]]}}


def pair_today(state_folder, count):
    # The phones as the program keeps them once paired: today's timekeepers' devices.
    phones = [{"id": f"bench{number:04}", "secret": secrets.token_bytes(32), "pilot": name}
              for number, name in enumerate(pilots(count))]
    now_ms = int(time.time() * 1000)
    state_folder.mkdir(parents=True, exist_ok=True)
    (state_folder / "remote-devices.json").write_text(json.dumps({
        "day": datetime.date.today().isoformat(),
        "devices": [{"id": phone["id"], "name": f"Timekeeper {phone['id'][-2:]}", "role": "timekeeper",
                     "paired": now_ms, "last_seen": now_ms, "sequence": "0",
                     "secret": base64.b64encode(phone["secret"]).decode()} for phone in phones]}))
    return phones


def signed(phone, lines, body):
    body["signature"] = hmac.new(phone["secret"], "\n".join(lines).encode(), hashlib.sha256).hexdigest()
    return body


class Phones:
    """`count` phones against the page server at `port`, each on a thread of its own until `close`."""

    GROUP_EVERY_S, CARDS_EVERY = 5.0, 3

    def __init__(self, port, phones, socket_clients):
        self.port, self.running = port, True
        self.answers, self.lock = {}, threading.Lock()
        self.sockets = socket_clients
        self.threads = [threading.Thread(target=self.phone, args=(phone,), daemon=True) for phone in phones]
        for thread in self.threads:
            thread.start()

    def ask(self, method, path, body=None):
        connection = http.client.HTTPConnection("127.0.0.1", self.port, timeout=10)
        try:
            connection.request(method, path, body=json.dumps(body) if body else None,
                               headers={"Content-Type": "application/json"})
            status = connection.getresponse().status
        except OSError:
            status = "no answer"
        finally:
            connection.close()
        with self.lock:
            key = (path, status)
            self.answers[key] = self.answers.get(key, 0) + 1

    def phone(self, phone):
        card = secrets.token_hex(16)
        claim = {"device": phone["id"], "round": 1, "group": 1, "pilot": phone["pilot"]}
        self.ask("POST", "/timekeeper/claim", signed(phone, ["aerolap-claim-1", phone["id"], "1", "1",
                                                              phone["pilot"]], claim))
        # Spread over the period, as phones are.
        time.sleep(self.GROUP_EVERY_S * self.CARDS_EVERY * int.from_bytes(os.urandom(1), "big") / 256)
        flights, turn = [], 0
        while self.running:
            self.ask("GET", "/timekeeper/group")
            turn += 1
            if turn % self.CARDS_EVERY:
                time.sleep(self.GROUP_EVERY_S)
                continue
            flights = (flights + [{"seconds": 30 + len(flights), "launched_at": 2 * len(flights)}])[-6:]
            made = str(time.time_ns() // 1_000_000)
            times = " ".join(f"{f['seconds']}@{f['launched_at']}" for f in flights)
            body = {"device": phone["id"], "card": card, "made": made, "round": 1, "group": 1,
                    "pilot": phone["pilot"], "flights": flights, "signed_by": "P."}
            self.ask("POST", "/timekeeper/card", signed(
                phone, ["aerolap-card-1", phone["id"], card, made, "1", "1", phone["pilot"], times, "P."], body))
            time.sleep(self.GROUP_EVERY_S)

    def close(self):
        self.running = False
        for thread in self.threads:
            thread.join()
        self.sockets.close()
        return dict(self.answers)
