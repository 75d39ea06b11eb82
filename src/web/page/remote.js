// The director's remote: pairs once with the code shown on the laptop, then signs each command
// with the secret it got, never sending the secret again. What a command did is shown from the
// state the timer announces next, not from the answer alone.
// Its own words are in the phone's language (i18n.js); the timer's captions and the laptop's
// answers stay as the laptop sends them.
"use strict";
const qsTr = AerolapI18n.translator("remote"), fill = AerolapI18n.fill;
const STORE = "aerolap-remote";
const $ = (id) => document.getElementById(id);
let pairing = JSON.parse(localStorage.getItem(STORE) || "null");
let lastState = "", lastPhase = "", awaiting = null, director = {}, shownPlace = "";

function say(text, kind) {
  $("message").textContent = text;
  $("message").className = kind || "";
}

function showPaired() {
  $("pairing").hidden = !!pairing;
  $("remote").hidden = !pairing;
  if (pairing) $("device").textContent = pairing.name;
}

// Written with promises rather than async functions, which Qt 6.4's lupdate cannot read.
function post(path, body) {
  return fetch(path, { method: "POST", cache: "no-store",
    headers: { "Content-Type": "application/json" }, body: JSON.stringify(body) })
    .then((response) => response.json().catch(() => ({})).then((answer) => ({ ok: response.ok, answer })));
}

$("pairing").addEventListener("submit", (event) => {
  event.preventDefault();
  post("/remote/pair", { code: $("code").value, name: $("name").value }).then(({ ok, answer }) => {
    if (!ok) {
      say(answer.error + (answer.retry_after ? " " + qsTr("Try again in %n second(s).", "", answer.retry_after) : ""),
        "refused");
      return;
    }
    pairing = { device: answer.device, name: answer.name, secret: answer.secret, sequence: 0 };
    localStorage.setItem(STORE, JSON.stringify(pairing));
    say(fill(qsTr("Paired as %1."), answer.name), "confirmed");
    showPaired();
  });
});

/// The text the program checks: the same lines in the same order (see the README).
function signedText(command) {
  const args = command.command === "jump" ? command.round + " " + command.group : "";
  return ["aerolap-remote-1", command.device, command.sequence, command.command, args].join("\n");
}

function send(name, extra) {
  // Strictly rising even across tabs and a phone's restarts: never below the last one used.
  const sequence = Math.max(pairing.sequence + 1, Date.now());
  pairing.sequence = sequence;
  localStorage.setItem(STORE, JSON.stringify(pairing));
  const command = Object.assign({ device: pairing.device, sequence: String(sequence), command: name }, extra);
  command.signature = AerolapHmac.toHex(AerolapHmac.hmacSha256(AerolapHmac.fromHex(pairing.secret),
    new TextEncoder().encode(signedText(command))));
  const before = lastState;
  say(fill(qsTr("Sent %1…"), name));
  post("/remote/command", command).catch(() => ({ ok: false, answer: {} })).then(({ ok, answer }) => {
    if (!ok) {
      say(answer.error || qsTr("The laptop cannot be reached."), "refused");
      return;
    }
    awaiting = { text: answer.done, before };
    say(answer.done + " " + qsTr("Waiting for the timer…"));
    // The state that followed may have come before the answer.
    confirmIfChanged();
  });
}

/// What a command changes, as the page tells it: the phase, or the schedule's place. The status
/// caption may lag behind the phase (READY until the preparation's first tick).
const PHASE_WORDS = { ready: () => qsTr("The timer is at READY."),
  preparation: () => qsTr("The timer is in the preparation."),
  working: () => qsTr("The timer is in the working time."),
  landing: () => qsTr("The timer is in the landing window."), stopped: () => qsTr("The timer is stopped.") };

function confirmIfChanged() {
  if (awaiting && lastState !== awaiting.before) {
    say(awaiting.text + " " + (PHASE_WORDS[lastPhase] ? PHASE_WORDS[lastPhase]() : lastPhase), "confirmed");
    awaiting = null;
  }
}

for (const name of ["start", "stop", "reset", "skip", "back"]) {
  $(name).addEventListener("click", () => send(name, {}));
}
$("jump").addEventListener("click",
  () => send("jump", { round: Number($("round").value), group: Number($("group").value) }));
$("forget").addEventListener("click", () => {
  localStorage.removeItem(STORE);
  pairing = null;
  showPaired();
});

/// The choices 1 to count; the chosen one follows the schedule when it moves, and stays the
/// director's own choice meanwhile.
function fillSelect(select, count, chosen, moved) {
  if (select.options.length !== count) {
    select.replaceChildren(...Array.from({ length: count }, (_, i) => new Option(String(i + 1), String(i + 1))));
  }
  if (moved) select.value = String(chosen);
}

function showDirector(state) {
  director = state;
  const schedule = state.schedule;
  $("settings").textContent = [state.task, fill(qsTr("preparation %1"), state.preparation),
    fill(qsTr("working %1"), state.working),
    schedule && fill(qsTr("schedule %1"), scheduleWords(schedule.state))].filter(Boolean).join(" · ");
  $("moves").hidden = !schedule;
  if (!schedule) return;
  const place = schedule.round + "." + schedule.group, moved = place !== shownPlace;
  shownPlace = place;
  fillSelect($("round"), schedule.groups.length, schedule.round, moved);
  fillSelect($("group"), schedule.groups[Number($("round").value) - 1] || 1, schedule.group, moved);
}
$("round").addEventListener("change", () => {
  fillSelect($("group"), director.schedule.groups[Number($("round").value) - 1] || 1, 1, true);
});

/// The schedule's state as the remote's state names it.
function scheduleWords(name) {
  const words = { waiting: qsTr("waiting"), running: qsTr("running"), gap: qsTr("gap"), paused: qsTr("paused"),
    finished: qsTr("finished") };
  return words[name] || name;
}

function showState(state) {
  $("time").textContent = state.time;
  $("status").textContent = state.status;
  document.body.className = state.phase;
  $("schedule").textContent = typeof state.round === "number"
    ? fill(qsTr("Round %1"), state.round) + " · " + fill(qsTr("Group %1"), state.group) +
      (state.next ? " · " + fill(qsTr("next %1"), AerolapI18n.nextCycle(state.next)) : "") : "";
  lastState = JSON.stringify([state.phase, state.round, state.group]);
  lastPhase = state.phase;
  confirmIfChanged();
  fetch("/remote/state", { cache: "no-store" }).then((r) => r.json()).then(showDirector, () => {});
}

function connect() {
  const socket = new WebSocket("ws://" + location.host + "/ws");
  socket.onmessage = (event) => showState(JSON.parse(event.data));
  socket.onclose = () => {
    $("status").textContent = qsTr("CONNECTION LOST");
    setTimeout(connect, 1000);
  };
}

/// The page's own words in its HTML, put into the phone's language.
function showWords() {
  document.title = qsTr("Aerolap: director's remote");
  $("pairing-help").textContent = qsTr("Pair this phone: type the six-digit code shown in \"Director's remote\" on the laptop.");
  $("code").placeholder = qsTr("Code");
  $("name").placeholder = qsTr("This device's name");
  $("pair").textContent = qsTr("Pair");
  $("back").textContent = "◀ " + qsTr("Back");
  $("skip").textContent = qsTr("Skip") + " ▶";
  $("round").setAttribute("aria-label", qsTr("Round"));
  $("group").setAttribute("aria-label", qsTr("Group"));
  $("jump").textContent = qsTr("Jump");
  $("forget").textContent = qsTr("Forget pairing");
  $("language").setAttribute("aria-label", qsTr("Language"));
}
showWords();
AerolapI18n.offerChoice($("language"));
showPaired();
connect();
