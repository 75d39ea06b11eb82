#pragma once

#include "pilots_display/DisplayState.h"

#include <QByteArray>

namespace aerolap {

/// The display state as the page and /api/state carry it:
/// {"time": "00.09.59", "status": "TEMPO OPERATIVO", "phase": "working"}, the phase one of ready,
/// preparation, working, landing or stopped. While a schedule is loaded it also carries
/// "round", "group" and "flight" (numbers counted from 1), "task" (the round's letter), "window"
/// ("test", "no_fly" or "" outside those windows) and "next" (the cycle after this one, as
/// "round 2, group 1, flight 1", or "" after the last).
QByteArray displayStateJson(const DisplayState& state);

} // namespace aerolap
