#pragma once

#include "pilots_display/DisplayState.h"
#include "pilots_display/DrawDocument.h"

#include <QByteArray>

namespace aerolap {

/// The display state as the page and /api/state carry it:
/// {"time": "00.09.59", "status": "TEMPO OPERATIVO", "phase": "working"}, the phase one of ready,
/// preparation, working, landing or stopped. While a schedule is loaded it also carries
/// "round", "group" and "flight" (numbers counted from 1), "task" (the round's letter), "window"
/// ("test", "no_fly" or "" outside those windows) and "next" (the cycle after this one, as
/// "round 2, group 1, flight 1", or "" after the last). With a draw it carries "draw" (the
/// version of /api/draw it refers to), "pilots" and "on_deck" (lists of names: the group in hand
/// and the next group), "on_deck_cycle" (where the next group's first flight is in /api/draw's
/// cycles) and, while a START is due, "start_in" (seconds from now) and "start_cycle" (the cycle
/// it begins). Once there are results, "results" is the version of /api/results they refer to.
QByteArray displayStateJson(const DisplayState& state);

/// The draw as /api/draw serves it: {"version": 3, "name": ..., "date": "2026-06-07",
/// "pilots": [names], "rounds": [[[names of group 1], ...], ...], "cycles": [[round, group,
/// flight, seconds from its START to the next], ...]}; {"version": 0} without a draw.
QByteArray drawDocumentJson(const std::optional<DrawDocument>& document);

} // namespace aerolap
