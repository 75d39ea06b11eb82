// The pilots' display: the running time as large as the screen allows, the phase, who flies when,
// and the results. Its own words are in the phone's language (i18n.js); the captions the timer
// sends (its status, the digits, the task) stay as the laptop shows them.
"use strict";
const qsTr = AerolapI18n.translator("pilots"), fill = AerolapI18n.fill;
const LOST_AFTER_MS = 2500, RECONNECT_MS = 1000, FINAL_SECONDS = 10, ME_KEY = "aerolap.pilot";
const body = document.body, timeEl = document.getElementById("time");
const COUNTING = ["preparation", "working", "landing"];
let lastHeard = 0, socket = null, shownLength = 0, heardSocket = false;
let state = {}, stateAt = 0, draw = null, results = null, calledFor = "", openPilot = "";

function secondsOf(text) {
  const parts = text.split(".").map(Number);
  return parts.length === 3 && parts.every(Number.isFinite)
    ? parts[0] * 3600 + parts[1] * 60 + parts[2] : NaN;
}

const pad = (n) => String(n).padStart(2, "0");
/// "0:30", "9:59", and "1:00:00" only when hours ever show.
function clockText(seconds) {
  const s = Math.max(0, Math.round(seconds));
  const h = Math.floor(s / 3600), m = Math.floor(s / 60) % 60;
  return (h ? h + ":" + pad(m) : String(m)) + ":" + pad(s % 60);
}
function shownTime(text) {
  const seconds = secondsOf(text);
  return Number.isFinite(seconds) ? clockText(seconds) : "-:--";
}

// The largest digits that fit: measured once at a known size, then scaled to the free space.
function fitTime() {
  timeEl.style.fontSize = "100px";
  const main = timeEl.parentElement;
  const scale = Math.min(main.clientWidth * 0.96 / timeEl.scrollWidth,
                         main.clientHeight * 0.92 / timeEl.scrollHeight);
  timeEl.style.fontSize = Math.max(10, Math.floor(100 * scale)) + "px";
}

const WINDOWS = { test: () => qsTr("TEST FLIGHTS"), no_fly: () => qsTr("NO FLY") };
/// The phase in the page's words, when the timer's own caption is missing.
const PHASES = { ready: () => qsTr("READY"), preparation: () => qsTr("PREPARATION"),
  working: () => qsTr("WORKING TIME"), landing: () => qsTr("LANDING WINDOW"), stopped: () => qsTr("STOPPED") };
const span = (text, id) => Object.assign(document.createElement("span"), id ? { id, textContent: text } : { textContent: text });

/// Round, group, flight and task of a contest schedule, its window and the next cycle.
function showSchedule() {
  const line = document.getElementById("schedule");
  line.replaceChildren();
  if (typeof state.round !== "number") return;
  const parts = [fill(qsTr("Round %1"), state.round), fill(qsTr("Group %1"), state.group),
    fill(qsTr("Flight %1"), state.flight)];
  if (state.task) parts.push(fill(qsTr("Task %1"), state.task));
  for (const text of parts) line.append(span(text));
  line.append(span(WINDOWS[state.window] ? WINDOWS[state.window]() : "", "window"));
  if (state.next && !draw) line.append(span(fill(qsTr("Next: %1"), AerolapI18n.nextCycle(state.next))));
}

// --- Who flies when. The laptop says when the next START is due, in seconds from when it
// spoke; every later START follows from the cycles' lengths in the draw. Phone clocks differ,
// so only this phone's own clock reads the seconds off, and it only adds them to its own time.
function cycleAt(round, group, flight) {
  return draw.cycles.findIndex(([r, g, f]) => r === round && g === group && f === flight);
}
/// Seconds from now to the START of cycle `index`, when one is due at all.
function secondsTo(index) {
  if (typeof state.start_in !== "number" || index < state.start_cycle) return null;
  let seconds = state.start_in - (performance.now() - stateAt) / 1000;
  for (let i = state.start_cycle; i < index; ++i) seconds += draw.cycles[i][3];
  return seconds;
}
function wallClock(seconds) {
  return AerolapI18n.timeOfDay(new Date(Date.now() + seconds * 1000));
}
function inAbout(seconds) {
  return seconds >= 120 ? qsTr("in about %n minute(s)", "", Math.round(seconds / 60))
    : fill(qsTr("in %1"), clockText(seconds));
}
function listGroup(id, title, names) {
  const box = document.getElementById(id), me = localStorage.getItem(ME_KEY);
  box.querySelector("h2").textContent = title;
  box.querySelector("ol").replaceChildren(...names.map((name) =>
    Object.assign(document.createElement("li"), { textContent: name, className: name === me ? "me" : "" })));
}
function groupTitle(round, group) { return fill(qsTr("round %1, group %2"), round, group); }

function showYou(here) {
  const you = document.getElementById("you"), me = localStorage.getItem(ME_KEY);
  if (!me || !draw.pilots.includes(me)) {
    if (you.querySelector("select")) return;
    const pick = document.createElement("select");
    pick.append(new Option(qsTr("Who are you? Pick your name"), ""),
      ...[...draw.pilots].sort((a, b) => a.localeCompare(b)).map((name) => new Option(name, name)));
    pick.onchange = () => { if (pick.value) { localStorage.setItem(ME_KEY, pick.value); showDraw(); showResults(); } };
    you.className = "";
    you.replaceChildren(pick);
    return;
  }
  let text = qsTr("You have no more flights in this draw."), called = false;
  for (let i = Math.max(here, 0); i < draw.cycles.length; ++i) {
    const [round, group, flight] = draw.cycles[i];
    if (flight !== 1 || !(draw.rounds[round - 1] || [])[group - 1]?.includes(me)) continue;
    const flying = i === here && COUNTING.includes(state.phase);
    called = i === here;
    const seconds = flying ? null : secondsTo(i);
    text = flying ? fill(qsTr("You are flying: round %1, group %2."), round, group)
      : seconds === null ? fill(qsTr("You fly in round %1, group %2."), round, group)
        : fill(qsTr("You fly in round %1, group %2, %3 (%4)"), round, group, inAbout(seconds), wallClock(seconds));
    break;
  }
  const key = called ? state.round + "/" + state.group : "";
  if (key && key !== calledFor && "vibrate" in navigator) navigator.vibrate([400, 200, 400]);
  calledFor = key;
  const change = Object.assign(document.createElement("button"), { type: "button", textContent: qsTr("Not you?") });
  change.onclick = () => { localStorage.removeItem(ME_KEY); showDraw(); showResults(); };
  you.className = called ? "called" : "";
  you.replaceChildren(span(text), change);
}

function showDraw() {
  const drawn = Boolean(draw && state.draw === draw.version && typeof state.round === "number");
  if (body.classList.contains("drawn") !== drawn) { body.classList.toggle("drawn", drawn); fitTime(); }
  if (!drawn) return;
  const here = cycleAt(state.round, state.group, state.flight);
  const flying = COUNTING.includes(state.phase) || state.phase === "stopped";
  const startNow = secondsTo(here);
  listGroup("now", fill(flying ? qsTr("Flying: %1") : qsTr("Next to fly: %1"), groupTitle(state.round, state.group)) +
    (startNow === null ? "" : " · " + fill(qsTr("START %1"), inAbout(startNow))), state.pilots || []);
  const deck = state.on_deck_cycle;
  const startDeck = typeof deck === "number" ? secondsTo(deck) : null;
  listGroup("deck", typeof deck === "number"
    ? fill(qsTr("On deck: %1"), groupTitle(draw.cycles[deck][0], draw.cycles[deck][1])) +
      (startDeck === null ? "" : " · " + fill(qsTr("START %1"), wallClock(startDeck))) : qsTr("No group on deck"),
    state.on_deck || []);
  showYou(here);
}

/// A document the state names by its version (the draw, the results) is fetched once for each
/// version, never on every message, so that the clock's messages stay as light as they were.
function versioned(path, take) {
  let kept = null, wanted = 0, fetching = false;
  const fetchWanted = () => {
    if (fetching || !wanted || kept?.version === wanted) return;
    fetching = true;
    fetch(path, { cache: "no-store" }).then((r) => r.json())
      .then((fetched) => { if (fetched.version) { kept = fetched; take(fetched); } })
      .catch(() => {}).finally(() => { fetching = false; if (kept?.version !== wanted) setTimeout(fetchWanted, RECONNECT_MS); });
  };
  return (version) => { wanted = version || 0; fetchWanted(); };
}
const wantDraw = versioned("/api/draw", (fetched) => { draw = fetched; showDraw(); });
const wantResults = versioned("/api/results", (fetched) => { results = fetched; showResults(); });

// --- Results. Scores come as text with one decimal; "*" marks what a group not yet confirmed
// feeds, brackets a dropped round.
const cell = (text, className) => Object.assign(document.createElement("td"), { textContent: text, className: className || "" });
const mark = (provisional) => provisional ? "*" : "";
function rankOf(pilot) { return pilot.disqualified ? "DSQ" : pilot.rank ? String(pilot.rank) : "–"; }
function roundText(round) {
  const task = results.rounds[round.round - 1]?.task;
  const score = round.dropped ? "(" + round.score + ")" : round.score;
  const cards = round.cards.map((card) => fill(qsTr("group %1: %2, raw %3, %4"), card.group,
    (card.flights || qsTr("no flights")) + (card.mark ? " " + card.mark : ""), card.raw, card.score));
  const scored = score + mark(round.provisional);
  return (task ? fill(qsTr("Round %1 (%2): %3"), round.round, task, scored) : fill(qsTr("Round %1: %2"), round.round, scored)) +
    (round.dropped ? " " + qsTr("dropped") : "") + (round.penalty ? ", " + fill(qsTr("penalty %1"), round.penalty) : "") +
    (cards.length ? " · " + cards.join("; ") : "");
}
function standingsTable(pilots) {
  const table = document.createElement("table"), me = localStorage.getItem(ME_KEY);
  for (const pilot of pilots) {
    const row = table.insertRow();
    row.className = "pilot" + (pilot.name === me ? " me" : "");
    row.append(cell(rankOf(pilot), "rank"), cell(pilot.name), cell(pilot.total + mark(pilot.provisional), "total"));
    row.onclick = () => { openPilot = openPilot === pilot.name ? "" : pilot.name; showResults(); };
    if (openPilot !== pilot.name) continue;
    const rounds = table.insertRow(), list = document.createElement("ul");
    rounds.className = "rounds";
    list.replaceChildren(...pilot.rounds.map((round) => Object.assign(document.createElement("li"),
      { textContent: roundText(round), className: round.dropped ? "dropped" : "" })));
    if (pilot.penalty) list.append(Object.assign(document.createElement("li"), { textContent: fill(qsTr("Penalties: %1"), pilot.penalty) }));
    if (!pilot.rounds.length) list.append(Object.assign(document.createElement("li"), { textContent: qsTr("No rounds scored yet.") }));
    const all = cell("", "");
    all.colSpan = 3;
    all.append(list);
    rounds.append(all);
  }
  return table;
}
function teamsTable(teams) {
  const table = document.createElement("table");
  for (const team of teams) {
    const row = table.insertRow(), name = cell(team.name);
    name.append(Object.assign(document.createElement("div"), { className: "counted", textContent: team.counted.join(", ") }));
    row.append(cell(String(team.rank), "rank"), name, cell(team.total + mark(team.provisional), "total"));
  }
  return table;
}
const heading = (text) => Object.assign(document.createElement("h2"), { textContent: text });
const note = (text) => Object.assign(document.createElement("p"), { textContent: text });
function showResults() {
  // Until a first card is entered there is nothing to show.
  const scored = Boolean(results && results.standings.some((pilot) => pilot.rounds.length));
  document.getElementById("show-results").hidden = !scored;
  showMine();
  if (!results || !body.classList.contains("results")) return;
  const parts = [heading([results.name, results.date && AerolapI18n.day(results.date)].filter(Boolean).join(", ")
    || qsTr("Standings"))];
  if (results.provisional) parts.push(note(qsTr("Provisional: * marks scores of groups not yet confirmed.")));
  if (!scored) parts.push(note(qsTr("No scores yet.")));
  parts.push(standingsTable(results.standings), note(qsTr("Tap a pilot for their rounds.")));
  if (results.fly_off.length) parts.push(heading(qsTr("Fly-off")), standingsTable(results.fly_off));
  if (results.teams.length) parts.push(heading(qsTr("Teams")), teamsTable(results.teams));
  document.getElementById("standings").replaceChildren(...parts);
}
/// Under the clock, a pilot who picked their name sees where they stand and their last round.
function showMine() {
  const mine = document.getElementById("mine"), me = localStorage.getItem(ME_KEY);
  const pilot = results && me ? results.standings.find((each) => each.name === me) : null;
  if (!pilot) { mine.textContent = ""; return; }
  const ranked = results.standings.filter((each) => each.rank).length;
  const completed = pilot.rounds.filter((round) => round.completed).length;
  const standing = pilot.disqualified ? qsTr("Disqualified") : pilot.rank
    ? fill(qsTr("Rank %1 of %2"), pilot.rank, ranked) + mark(pilot.provisional)
    : fill(qsTr("No rank yet: %1 of %2 rounds completed"), completed, results.minimum_rounds);
  const last = pilot.rounds[pilot.rounds.length - 1];
  mine.textContent = standing + (last ? " · " + fill(qsTr("Round %1: %2"), last.round, last.score + mark(last.provisional)) : "");
}

function show(received) {
  lastHeard = performance.now();
  body.classList.remove("lost");
  if (typeof received.time !== "string") return;
  state = received;
  stateAt = performance.now();
  timeEl.textContent = shownTime(state.time);
  document.getElementById("phase").textContent = state.phase === "stopped" ? PHASES.stopped()
    : (state.status || "").trim() || (PHASES[state.phase] ? PHASES[state.phase]() : state.phase.toUpperCase());
  showSchedule();
  const left = secondsOf(state.time);
  body.className = state.phase + (body.classList.contains("drawn") ? " drawn" : "") +
    (body.classList.contains("results") ? " results" : "") +
    (COUNTING.includes(state.phase) && left <= FINAL_SECONDS ? " final" : "");
  wantDraw(state.draw);
  wantResults(state.results);
  showDraw();
  if (timeEl.textContent.length !== shownLength) { shownLength = timeEl.textContent.length; fitTime(); }
}

function connect() {
  socket = new WebSocket((location.protocol === "https:" ? "wss://" : "ws://") + location.host + "/ws");
  socket.onmessage = (event) => { heardSocket = true; try { show(JSON.parse(event.data)); } catch (e) { /* keep the last */ } };
  socket.onclose = () => { socket = null; body.classList.add("lost"); setTimeout(connect, RECONNECT_MS); };
  socket.onerror = () => socket && socket.close();
}

// The server speaks at least once a second; silence longer than that means the link is gone.
setInterval(() => {
  if (performance.now() - lastHeard > LOST_AFTER_MS) {
    body.classList.add("lost");
    if (socket && socket.readyState === WebSocket.OPEN) socket.close();
  }
}, 250);
// The count-downs run on between the laptop's messages.
setInterval(showDraw, 1000);

// Written without async functions, which Qt 6.4's lupdate cannot read.
function keepScreenOn() {
  if ("wakeLock" in navigator && document.visibilityState === "visible")
    navigator.wakeLock.request("screen").catch(() => { /* not allowed here */ });
}
document.addEventListener("visibilitychange", keepScreenOn);
document.getElementById("fullscreen").addEventListener("click", () => {
  const el = document.documentElement;
  (document.fullscreenElement ? document.exitFullscreen() : el.requestFullscreen()).catch(() => {});
  keepScreenOn();
});
// The digits' room changes with the window, and with the header when its buttons take a line.
new ResizeObserver(() => fitTime()).observe(timeEl.parentElement);
document.getElementById("show-results").addEventListener("click", () => { body.classList.add("results"); showResults(); });
document.getElementById("hide-results").addEventListener("click", () => body.classList.remove("results"));

/// The page's own words in its HTML, put into the phone's language.
function showWords() {
  const words = { "phase": qsTr("READY"), "show-results": qsTr("Results"), "fullscreen": qsTr("Full screen"),
    "results-title": qsTr("Results"), "hide-results": qsTr("Clock"), "lost": qsTr("CONNECTION LOST") };
  for (const [id, text] of Object.entries(words)) document.getElementById(id).textContent = text;
  document.getElementById("language").setAttribute("aria-label", qsTr("Language"));
}
showWords();
AerolapI18n.offerChoice(document.getElementById("language"), true);

lastHeard = performance.now();
fetch("/api/state", { cache: "no-store" }).then((r) => r.json())
  .then((first) => { if (!heardSocket) show(first); }).catch(() => {});
connect();
keepScreenOn();
fitTime();
