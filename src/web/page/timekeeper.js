// The official timekeeper's phone: the stopwatch and the score card of one pilot. It pairs once as
// the remote does, claims the pilot it times, times the flights, has the pilot sign the card and
// sends it signed. Everything worth keeping is in local storage at once (the page is plain HTTP, so
// no service worker): a reload, a locked screen or a minute without the laptop loses nothing, and a
// signed card stays in the outbox until the laptop says it has it.
"use strict";

// Every text the timekeeper reads, in one place, in the phone's language (i18n.js); the timer's
// captions and the laptop's answers stay as the laptop sends them.
const qsTr = AerolapI18n.translator("timekeeper"), fill = AerolapI18n.fill;
const TEXT = {
  title: qsTr("Aerolap: timekeeper"),
  pairIntro: qsTr("Pair this phone as a timekeeper: type the six-digit code shown in the Scores window, \"Timekeepers...\", on the laptop."),
  code: qsTr("Code"),
  deviceName: qsTr("This device's name"),
  pair: qsTr("Pair"),
  paired: (name) => fill(qsTr("Paired as %1."), name),
  retryIn: (seconds) => " " + qsTr("Try again in %n second(s).", "", seconds),
  unreachable: qsTr("The laptop cannot be reached."),
  connectionLost: qsTr("CONNECTION LOST"),
  noGroup: qsTr("No group to time yet: the laptop has no schedule with a draw."),
  place: (round, group) => fill(qsTr("Round %1 · Group %2"), round, group),
  task: (task) => fill(qsTr("Task %1"), task),
  confirmed: qsTr("The laptop has confirmed this group's scores."),
  whichPilot: qsTr("Which pilot do you time?"),
  timedBy: (device) => " — " + fill(qsTr("timed by %1"), device),
  mine: " — " + qsTr("yours"),
  claimed: (pilot) => fill(qsTr("You time %1."), pilot),
  launch: qsTr("LAUNCH"),
  landed: qsTr("LANDED"),
  pastWorking: qsTr("Still in the air at the end of the working time: the flight counts to the end of the working time."),
  endNote: qsTr("counts to the end of the working time"),
  settleNote: qsTr("settle by hand: type its time"),
  launchedAt: (time) => fill(qsTr("launched at %1"), time),
  counts: qsTr("counts"),
  countsCapped: (time) => fill(qsTr("counts %1"), time),
  allLaunches: (count) => qsTr("All %n launches are used.", "", count),
  typedPlaceholder: qsTr("m:ss or seconds"),
  addFlight: qsTr("Add flight"),
  saveFlight: (number) => fill(qsTr("Save flight %1"), number),
  edit: qsTr("Edit"),
  deleteFlight: qsTr("Delete"),
  cancel: qsTr("Cancel"),
  badTime: qsTr("Type the time as m:ss or as seconds, for example 1:15 or 75."),
  noFlights: qsTr("No flights yet."),
  total: (time) => fill(qsTr("Total that counts: %1"), time),
  flightTotal: (time) => fill(qsTr("Total flight time: %1"), time),
  pilotSigns: qsTr("Pilot signs"),
  signIntro: qsTr("Pilot: check your card, then sign it with your name or initials."),
  signer: qsTr("Pilot's name or initials"),
  sign: qsTr("Sign"),
  back: qsTr("Back"),
  signedBy: (name) => fill(qsTr("Signed by %1."), name),
  notSigned: qsTr("Not signed yet."),
  mustSettle: qsTr("First type the time of each flight marked \"settle by hand\"."),
  stillInAir: qsTr("Land the flight in the air first."),
  signatureCleared: qsTr("The card changed after it was signed: the pilot must sign it again."),
  outboxTitle: qsTr("Cards to send"),
  cardName: (letter) => fill(qsTr("%1, round %2, group %3, signed by %4"), letter.pilot, letter.round, letter.group,
    letter.signed_by),
  sending: qsTr("sending…"),
  waiting: (reason) => fill(qsTr("not on the laptop yet (%1); sent again every few seconds."), reason),
  refusedCard: (reason) => fill(qsTr("refused: %1"), reason),
  notPaired: qsTr("Pair this phone again, then send again."),
  dismiss: qsTr("Dismiss"),
  sendAgain: qsTr("Send again"),
  taken: (text) => fill(qsTr("On the laptop: %1"), text),
  newCard: qsTr("Next pilot"),
  dropCard: qsTr("This card has not reached the laptop. Drop it?"),
  forget: qsTr("Forget pairing"),
  language: qsTr("Language"),
};

const PAIRING = "aerolap-timekeeper", CARD = "aerolap-timekeeper-card", OUTBOX = "aerolap-timekeeper-outbox";
const RESEND_MS = 3000, PICK_REFRESH_MS = 5000, ANSWER_WAIT_MS = 10000;
const $ = (id) => document.getElementById(id);

function stored(key, empty) {
  try {
    return JSON.parse(localStorage.getItem(key)) ?? empty;
  } catch (e) {
    return empty;
  }
}
let pairing = stored(PAIRING, null), card = stored(CARD, null), outbox = stored(OUTBOX, []);
let inHand = null, timerState = null, connectionLost = false, editing = null, signing = false;
const sendingNow = new Set(), drawn = new Map();

const saveCard = () => card ? localStorage.setItem(CARD, JSON.stringify(card)) : localStorage.removeItem(CARD);
const saveOutbox = () => localStorage.setItem(OUTBOX, JSON.stringify(outbox));

function say(text, kind) {
  $("message").textContent = text;
  $("message").className = kind || "";
}

/// Runs `draw` only when what it shows changed, so that a button is never replaced under a finger.
function redraw(part, content, draw) {
  const key = JSON.stringify(content);
  if (drawn.get(part) !== key) {
    drawn.set(part, key);
    draw();
  }
}

// --- Times.
const pad = (n) => String(n).padStart(2, "0");
function clockText(seconds) {
  const hours = Math.floor(seconds / 3600), minutes = Math.floor(seconds % 3600 / 60);
  return (hours ? hours + ":" + pad(minutes) : String(minutes)) + ":" + pad(seconds % 60);
}
/// The laptop's time display, "HH.MM.SS", in seconds.
function secondsOf(text) {
  const parts = String(text).split(".").map(Number);
  return parts.length === 3 && parts.every(Number.isInteger) ? parts[0] * 3600 + parts[1] * 60 + parts[2] : NaN;
}
/// A typed time, "m:ss" or whole seconds; null when it is neither.
function typedSeconds(text) {
  const minutes = /^(\d{1,2}):([0-5]\d)$/.exec(text.trim()), seconds = /^\d{1,4}$/.exec(text.trim());
  if (minutes) return Number(minutes[1]) * 60 + Number(minutes[2]);
  return seconds ? Number(seconds[0]) : null;
}
const whole = (milliseconds) => Math.max(0, Math.floor(milliseconds / 1000));

// --- Signing. The texts are the protocol's: the same lines in the same order as the laptop checks.
function signature(lines) {
  return AerolapHmac.toHex(AerolapHmac.hmacSha256(AerolapHmac.fromHex(pairing.secret),
    new TextEncoder().encode(lines.join("\n"))));
}
const flightText = (flight) => flight.launched_at === undefined ? String(flight.seconds)
  : flight.seconds + "@" + flight.launched_at;
function randomId() {
  return Array.from(crypto.getRandomValues(new Uint8Array(16)), (b) => b.toString(16).padStart(2, "0")).join("");
}

// Written with promises rather than async functions, which Qt 6.4's lupdate cannot read.
function post(path, body) {
  const stop = new AbortController(), timeout = setTimeout(() => stop.abort(), ANSWER_WAIT_MS);
  return fetch(path, { method: "POST", cache: "no-store", signal: stop.signal,
    headers: { "Content-Type": "application/json" }, body: JSON.stringify(body) })
    .then((response) => response.json().catch(() => ({}))
      .then((answer) => ({ ok: response.ok, status: response.status, answer })))
    .finally(() => clearTimeout(timeout));
}

// --- The rule: which flights count, as far as a sum of flight times tells. As the laptop scores
// them: the seconds flown past the end of the working time do not count, nor those over the cap.
function countedSeconds(rules, flight) {
  if (flight.seconds === null) return null;
  const left = rules.working && flight.launched_at !== undefined ? Math.max(rules.working - flight.launched_at, 0)
    : Infinity;
  return Math.min(flight.seconds, left, rules.cap || Infinity);
}
/// Flight index -> the seconds it counts, or null for a rule the page does not add up.
function counting(rules, flights) {
  const counted = Math.max(rules.counted || 1, 1);
  const known = flights.map((flight, index) => [index, countedSeconds(rules, flight)]);
  let chosen;
  if (rules.counting === "last") chosen = known.slice(Math.max(known.length - counted, 0));
  else if (rules.counting === "longest") {
    chosen = known.filter(([, seconds]) => seconds !== null).sort((a, b) => b[1] - a[1] || a[0] - b[0])
      .slice(0, counted);
  } else if (rules.counting === "every") chosen = known.filter(([index]) => !rules.launches || index < rules.launches);
  else return null;
  return new Map(chosen);
}
function totalText(rules, flights) {
  const counts = counting(rules, flights);
  if (counts) return TEXT.total(clockText([...counts.values()].reduce((sum, s) => sum + (s || 0), 0)));
  return TEXT.flightTotal(clockText(flights.reduce((sum, flight) => sum + (flight.seconds || 0), 0)));
}
const launchesUsed = () => card.flights.length + (card.launch ? 1 : 0);
const allLaunchesUsed = () => typeof card.launches === "number" && launchesUsed() >= card.launches;

// --- The card. Its content is what the pilot signs: any change to it clears the signature.
const contentOf = (c) => JSON.stringify([c.round, c.group, c.pilot, c.flights.map(flightText)]);
const settled = () => card.flights.every((flight) => flight.seconds !== null);

function changed() {
  if (card.signed && card.signed.content !== contentOf(card)) {
    card.signed = null;
    card.taken = null;
    say(TEXT.signatureCleared, "refused");
  }
  saveCard();
  render();
}

/// When the working time began, in this phone's clock, estimated from the time display while it
/// runs: each state comes just after its second changed, so the earliest estimate is the best.
function noteWorkingStart(state) {
  const left = secondsOf(state.time);
  if (state.phase !== "working" || !card.working || !Number.isFinite(left)) return;
  const estimate = Date.now() - (card.working - left) * 1000;
  if (card.phase !== "working" || !card.workStart || estimate < card.workStart) card.workStart = estimate;
}

/// The card's own cycle as the timer shows it; "over" once the timer has moved to another group.
function followPhase(phase) {
  const before = card.phase;
  card.phase = phase;
  if (before === phase || !card.launch) return;
  if (before === "working") card.launch.pastWorking = true;
  if ((before === "working" || before === "landing") && phase !== "landing") {
    card.flights.push(Object.assign(launchedAt(card.launch), { seconds: null, settle: true, end: true }));
    card.launch = null;
  }
}

function launchedAt(launch) {
  return launch.launched_at === undefined ? {} : { launched_at: launch.launched_at };
}

function pressFlight() {
  const now = Date.now();
  if (card.launch) {
    // The whole flight, as a stopwatch has it: the laptop leaves out what was flown past the end.
    const launch = card.launch;
    card.launch = null;
    card.flights.push(Object.assign({ seconds: whole(now - launch.at) }, launchedAt(launch),
      launch.pastWorking ? { end: true } : {}));
  } else {
    if (allLaunchesUsed()) return;
    card.launch = { at: now };
    if (card.phase === "working" && card.workStart && now >= card.workStart) {
      card.launch.launched_at = whole(now - card.workStart);
    }
  }
  changed();
}

// --- Sending. A signed card goes into the outbox and stays there until the laptop answers 200.
function signCard(name) {
  if (!card.id || card.acknowledged) {
    card.id = randomId();
    card.acknowledged = false;
  }
  const made = String(Date.now());
  card.signed = { by: name, content: contentOf(card), made };
  card.taken = null;
  const letter = { card: card.id, made, round: card.round, group: card.group, pilot: card.pilot,
    flights: card.flights.map((flight) => Object.assign({ seconds: flight.seconds }, launchedAt(flight))),
    signed_by: name };
  outbox = outbox.filter((entry) => entry.letter.card !== card.id).concat([{ letter, refused: null, reason: "" }]);
  saveOutbox();
  saveCard();
  deliver();
}

function deliver() {
  if (!pairing) return;
  for (const entry of outbox) {
    const key = entry.letter.card + "/" + entry.letter.made;
    if (entry.refused || sendingNow.has(key)) continue;
    sendingNow.add(key);
    send(entry.letter).finally(() => sendingNow.delete(key));
  }
  render();
}

function send(letter) {
  const body = Object.assign({ device: pairing.device }, letter);
  body.signature = signature(["aerolap-card-1", body.device, body.card, body.made, body.round, body.group,
    body.pilot, body.flights.map(flightText).join(" "), body.signed_by]);
  return post("/timekeeper/card", body).catch(() => null).then((result) => received(letter, result));
}

function received(letter, result) {
  // The outbox may have changed while the card travelled: a newer version, a dismissal.
  const entry = outbox.find((e) => e.letter.card === letter.card && e.letter.made === letter.made);
  if (!result || result.status >= 500) {
    if (entry) entry.reason = (result && result.answer.error) || TEXT.unreachable;
  } else if (result.ok) {
    outbox = outbox.filter((e) => e !== entry);
    if (card && card.id === letter.card && card.signed && card.signed.made === letter.made) {
      card.acknowledged = true;
      card.taken = result.answer.taken || "";
      saveCard();
    }
    say(TEXT.taken(result.answer.taken || ""), "confirmed");
  } else if (entry) {
    entry.refused = result.status;
    entry.reason = result.answer.error || "HTTP " + result.status;
    if (result.status === 403) entry.reason += " " + TEXT.notPaired;
    say(TEXT.cardName(letter) + ": " + TEXT.refusedCard(entry.reason), "refused");
  }
  saveOutbox();
  render();
}

// --- The group in hand and the claim.
function fetchGroup() {
  return fetch("/timekeeper/group", { cache: "no-store" })
    .then((response) => response.ok && response.json().then((group) => { inHand = group; }))
    .catch(() => { /* the clock already says the connection is lost; the next refresh tries again */ })
    .then(() => render());
}

function claim(pilot) {
  const chosen = inHand;
  const body = { device: pairing.device, round: chosen.round, group: chosen.group, pilot };
  body.signature = signature(["aerolap-claim-1", body.device, body.round, body.group, pilot]);
  post("/timekeeper/claim", body).catch(() => null).then((result) => claimed(chosen, pilot, result));
}

function claimed(chosen, pilot, result) {
  if (!result || !result.ok) {
    say((result && result.answer.error) || TEXT.unreachable, "refused");
    fetchGroup();
    return;
  }
  const here = timerState && timerState.round === chosen.round && timerState.group === chosen.group;
  card = { round: chosen.round, group: chosen.group, pilot, task: chosen.task, rule: chosen.rule,
    counting: chosen.counting, counted: chosen.counted, launches: chosen.launches, cap: chosen.cap,
    working: chosen.working, flights: [], launch: null, phase: here ? timerState.phase : null, workStart: null,
    signed: null, id: null, acknowledged: false, taken: null };
  editing = null;
  saveCard();
  say(TEXT.claimed(pilot), "confirmed");
  render();
}

// --- Drawing.
function showPairing() {
  $("pairing").hidden = !!pairing;
  $("paired").hidden = !pairing;
  $("footer").hidden = !pairing;
  if (pairing) $("device").textContent = pairing.name;
}

function render() {
  showPairing();
  if (!pairing) return;
  $("pick").hidden = !!card;
  $("timing").hidden = !card || signing;
  $("signing").hidden = !card || !signing;
  $("new-card").hidden = !card;
  if (!card) showPick();
  else if (signing) showSigning();
  else showTiming();
  showOutbox();
}

function showPick() {
  redraw("pick", [inHand, pairing.name], () => {
    const known = inHand && typeof inHand.round === "number";
    $("pick-place").textContent = known ? TEXT.place(inHand.round, inHand.group) + " · " + TEXT.task(inHand.task)
      : TEXT.noGroup;
    $("pick-rule").textContent = known ? inHand.rule + (inHand.confirmed ? " " + TEXT.confirmed : "") : "";
    $("pick-intro").textContent = known ? TEXT.whichPilot : "";
    $("pilots").replaceChildren(...(known ? inHand.pilots : []).map((pilot) => {
      const button = document.createElement("button"), theirs = pilot.timekeeper && pilot.timekeeper !== pairing.name;
      button.type = "button";
      button.textContent = pilot.name + (theirs ? TEXT.timedBy(pilot.timekeeper) : pilot.timekeeper ? TEXT.mine : "");
      button.disabled = !!theirs;
      button.className = pilot.timekeeper && !theirs ? "mine" : "";
      button.addEventListener("click", () => claim(pilot.name));
      return button;
    }));
  });
}

function flightItems(editable) {
  const counts = counting(card, card.flights);
  return card.flights.map((flight, index) => {
    const item = document.createElement("li"), seconds = document.createElement("span"),
      tags = document.createElement("span");
    const counted = counts ? counts.get(index) : undefined;
    item.className = [counted !== undefined && "counts", flight.seconds === null && "settle",
      editable && editing === index && "editing"].filter(Boolean).join(" ");
    seconds.className = "seconds";
    seconds.textContent = (index + 1) + ". " + (flight.seconds === null ? "?" : clockText(flight.seconds));
    tags.className = "tags";
    tags.textContent = [counted !== undefined && (counted !== null && counted !== flight.seconds
      ? TEXT.countsCapped(clockText(counted)) : TEXT.counts),
    flight.launched_at !== undefined && TEXT.launchedAt(clockText(flight.launched_at)),
    flight.end && TEXT.endNote, flight.settle && flight.seconds === null && TEXT.settleNote]
      .filter(Boolean).join(" · ");
    item.append(seconds, tags);
    if (editable) {
      const edit = document.createElement("button");
      edit.type = "button";
      edit.textContent = TEXT.edit;
      edit.addEventListener("click", () => startEditing(index));
      item.append(edit);
    }
    return item;
  });
}

function showCard(prefix, editable) {
  redraw(prefix, [card.flights, editable && editing, card.round, card.group, card.pilot], () => {
    $(prefix + "who").textContent = card.pilot + " · " + TEXT.place(card.round, card.group);
    $(prefix + "rule").textContent = TEXT.task(card.task) + ": " + card.rule;
    const list = $(prefix + "flights"), items = flightItems(editable);
    list.replaceChildren(...(items.length ? items : [Object.assign(document.createElement("li"),
      { textContent: TEXT.noFlights })]));
    $(prefix + "total").textContent = totalText(card, card.flights);
  });
}

function showTiming() {
  showCard("", true);
  const full = allLaunchesUsed() && !card.launch;
  $("flight").className = card.launch ? "landed" : "";
  $("flight").disabled = full;
  $("flight-label").textContent = card.launch ? TEXT.landed : TEXT.launch;
  $("elapsed").textContent = card.launch ? clockText(whole(Date.now() - card.launch.at))
    : full ? TEXT.allLaunches(card.launches) : "";
  $("air-note").textContent = card.launch && card.launch.pastWorking ? TEXT.pastWorking : "";
  $("add").textContent = editing === null ? TEXT.addFlight : TEXT.saveFlight(editing + 1);
  $("add").disabled = editing === null && allLaunchesUsed();
  $("delete").hidden = $("cancel").hidden = editing === null;
  $("signature").textContent = card.signed ? TEXT.signedBy(card.signed.by)
    + (card.taken !== null && card.taken !== undefined && card.acknowledged ? " " + TEXT.taken(card.taken) : "")
    : TEXT.notSigned;
  $("signature").className = card.signed ? "signed" : "";
  $("to-sign").disabled = !!card.signed || !!card.launch || !settled();
}

function showSigning() {
  showCard("sign-", false);
}

function showOutbox() {
  $("outbox-view").hidden = outbox.length === 0;
  redraw("outbox", outbox, () => {
    $("outbox").replaceChildren(...outbox.map((entry) => {
      const item = document.createElement("li"), text = document.createElement("span");
      item.className = entry.refused ? "refused" : "";
      text.textContent = TEXT.cardName(entry.letter) + ": " + (entry.refused ? TEXT.refusedCard(entry.reason)
        : entry.reason ? TEXT.waiting(entry.reason) : TEXT.sending);
      item.append(text);
      if (entry.refused) {
        for (const [label, act] of [[TEXT.sendAgain, () => { entry.refused = null; entry.reason = ""; }],
          [TEXT.dismiss, () => { outbox = outbox.filter((e) => e !== entry); }]]) {
          const button = document.createElement("button");
          button.type = "button";
          button.textContent = label;
          button.addEventListener("click", () => { act(); saveOutbox(); deliver(); });
          item.append(button);
        }
      }
      return item;
    }));
  });
}

// --- Typing and editing flights.
function startEditing(index) {
  editing = index;
  const seconds = card.flights[index].seconds;
  $("typed").value = seconds === null ? "" : clockText(seconds);
  render();
  $("typed").focus();
}
function stopEditing() {
  editing = null;
  $("typed").value = "";
}

$("typing").addEventListener("submit", (event) => {
  event.preventDefault();
  const seconds = typedSeconds($("typed").value);
  if (seconds === null) {
    say(TEXT.badTime, "refused");
    return;
  }
  if (editing === null) {
    if (allLaunchesUsed()) return;
    card.flights.push({ seconds });
  } else {
    const flight = card.flights[editing];
    flight.seconds = seconds;
    delete flight.settle;
  }
  stopEditing();
  say("");
  changed();
});
$("delete").addEventListener("click", () => {
  card.flights.splice(editing, 1);
  stopEditing();
  changed();
});
$("cancel").addEventListener("click", () => {
  stopEditing();
  render();
});
$("flight").addEventListener("click", pressFlight);
$("to-sign").addEventListener("click", () => {
  if (card.launch) say(TEXT.stillInAir, "refused");
  else if (!settled()) say(TEXT.mustSettle, "refused");
  else {
    stopEditing();
    signing = true;
    $("signer").value = "";
    render();
  }
});
$("back").addEventListener("click", () => {
  signing = false;
  render();
});
$("sign-form").addEventListener("submit", (event) => {
  event.preventDefault();
  const name = $("signer").value.trim();
  if (!name || card.launch || !settled()) return;
  signing = false;
  say(TEXT.signedBy(name), "confirmed");
  signCard(name);
});
$("new-card").addEventListener("click", () => {
  const safe = card.acknowledged || (card.flights.length === 0 && !card.launch) ||
    (card.signed && outbox.some((entry) => entry.letter.card === card.id && entry.letter.made === card.signed.made));
  if (!safe && !confirm(TEXT.dropCard)) return;
  card = null;
  signing = false;
  stopEditing();
  saveCard();
  say("");
  fetchGroup();
});
$("forget").addEventListener("click", () => {
  localStorage.removeItem(PAIRING);
  pairing = null;
  render();
});
$("pairing").addEventListener("submit", (event) => {
  event.preventDefault();
  post("/timekeeper/pair", { code: $("code").value, name: $("name").value }).catch(() => null).then(paired);
});
function paired(result) {
  if (!result || !result.ok) {
    const answer = result ? result.answer : {};
    say((answer.error || TEXT.unreachable) + (answer.retry_after ? TEXT.retryIn(answer.retry_after) : ""), "refused");
    return;
  }
  pairing = { device: result.answer.device, name: result.answer.name, secret: result.answer.secret };
  localStorage.setItem(PAIRING, JSON.stringify(pairing));
  say(TEXT.paired(pairing.name), "confirmed");
  fetchGroup();
  deliver();
}

// --- The timer, as the pilots' page has it.
function showTimer(state) {
  const place = timerState ? timerState.round + "/" + timerState.group : null;
  timerState = state;
  const left = secondsOf(state.time);
  $("time").textContent = Number.isFinite(left) ? clockText(left) : "-:--";
  $("status").textContent = state.status;
  document.body.className = state.phase;
  if (place !== state.round + "/" + state.group) fetchGroup();
  if (card) {
    const before = JSON.stringify(card);
    const ours = state.round === card.round && state.group === card.group;
    if (ours) noteWorkingStart(state);
    followPhase(ours ? state.phase : "over");
    if (JSON.stringify(card) !== before) saveCard();
  }
  render();
}

function connect() {
  const socket = new WebSocket("ws://" + location.host + "/ws");
  socket.onopen = () => {
    if (connectionLost) deliver();
    connectionLost = false;
  };
  socket.onmessage = (event) => {
    try {
      showTimer(JSON.parse(event.data));
    } catch (e) {
      // A state this page cannot read is skipped; the next one comes within a second.
    }
  };
  socket.onclose = () => {
    connectionLost = true;
    $("status").textContent = TEXT.connectionLost;
    document.body.className = "lost";
    setTimeout(connect, 1000);
  };
}

for (const element of document.querySelectorAll("[data-text]")) element.textContent = TEXT[element.dataset.text];
for (const element of document.querySelectorAll("[data-placeholder]")) {
  element.placeholder = TEXT[element.dataset.placeholder];
}
document.title = TEXT.title;
$("language").setAttribute("aria-label", TEXT.language);
AerolapI18n.offerChoice($("language"));
render();
connect();
fetchGroup();
deliver();
setInterval(deliver, RESEND_MS);
setInterval(() => {
  if (pairing && !card) fetchGroup();
}, PICK_REFRESH_MS);
// The flight's own seconds on the button, between the timer's states.
setInterval(() => {
  if (pairing && card && card.launch && !signing) $("elapsed").textContent = clockText(whole(Date.now() - card.launch.at));
}, 250);
