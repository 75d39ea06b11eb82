// The director's remote: pairs once with the code shown on the laptop, then signs each command
// with the secret it got, never sending the secret again. What a command did is shown from the
// state the timer announces next, not from the answer alone.
"use strict";
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

async function post(path, body) {
  const response = await fetch(path, { method: "POST", cache: "no-store",
    headers: { "Content-Type": "application/json" }, body: JSON.stringify(body) });
  return { ok: response.ok, answer: await response.json().catch(() => ({})) };
}

$("pairing").addEventListener("submit", async (event) => {
  event.preventDefault();
  const { ok, answer } = await post("/remote/pair", { code: $("code").value, name: $("name").value });
  if (!ok) {
    say(answer.error + (answer.retry_after ? " Try again in " + answer.retry_after + " s." : ""), "refused");
    return;
  }
  pairing = { device: answer.device, name: answer.name, secret: answer.secret, sequence: 0 };
  localStorage.setItem(STORE, JSON.stringify(pairing));
  say("Paired as " + answer.name + ".", "confirmed");
  showPaired();
});

/// The text the program checks: the same lines in the same order (see the README).
function signedText(command) {
  const args = command.command === "jump" ? command.round + " " + command.group : "";
  return ["aerolap-remote-1", command.device, command.sequence, command.command, args].join("\n");
}

async function send(name, extra) {
  // Strictly rising even across tabs and a phone's restarts: never below the last one used.
  const sequence = Math.max(pairing.sequence + 1, Date.now());
  pairing.sequence = sequence;
  localStorage.setItem(STORE, JSON.stringify(pairing));
  const command = Object.assign({ device: pairing.device, sequence: String(sequence), command: name }, extra);
  command.signature = AerolapHmac.toHex(AerolapHmac.hmacSha256(AerolapHmac.fromHex(pairing.secret),
    new TextEncoder().encode(signedText(command))));
  const before = lastState;
  say("Sent " + name + "…");
  const { ok, answer } = await post("/remote/command", command).catch(() => ({ ok: false, answer: {} }));
  if (!ok) {
    say((answer.error || "The laptop cannot be reached.") + "", "refused");
    return;
  }
  awaiting = { text: answer.done, before };
  say(answer.done + " Waiting for the timer…");
  // The state that followed may have come before the answer.
  confirmIfChanged();
}

/// What a command changes, as the page tells it: the phase, or the schedule's place. The status
/// caption may lag behind the phase (READY until the preparation's first tick).
const PHASE_WORDS = { ready: "is at READY", preparation: "is in the preparation",
  working: "is in the working time", landing: "is in the landing window", stopped: "is stopped" };

function confirmIfChanged() {
  if (awaiting && lastState !== awaiting.before) {
    say(awaiting.text + " The timer " + (PHASE_WORDS[lastPhase] || lastPhase) + ".", "confirmed");
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
  $("settings").textContent = [state.task, "preparation " + state.preparation, "working " + state.working,
    schedule && "schedule " + schedule.state].filter(Boolean).join(" · ");
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

function showState(state) {
  $("time").textContent = state.time;
  $("status").textContent = state.status;
  document.body.className = state.phase;
  $("schedule").textContent = typeof state.round === "number"
    ? "Round " + state.round + " · Group " + state.group + (state.next ? " · next " + state.next : "") : "";
  lastState = JSON.stringify([state.phase, state.round, state.group]);
  lastPhase = state.phase;
  confirmIfChanged();
  fetch("/remote/state", { cache: "no-store" }).then((r) => r.json()).then(showDirector, () => {});
}

function connect() {
  const socket = new WebSocket("ws://" + location.host + "/ws");
  socket.onmessage = (event) => showState(JSON.parse(event.data));
  socket.onclose = () => {
    $("status").textContent = "CONNECTION LOST";
    setTimeout(connect, 1000);
  };
}

showPaired();
connect();
