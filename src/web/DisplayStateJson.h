#pragma once

#include "display/DisplayState.h"

#include <QByteArray>

namespace aerolap {

/// The display state as the page and /api/state carry it:
/// {"time": "00.09.59", "status": "TEMPO OPERATIVO", "phase": "working"}.
QByteArray displayStateJson(const DisplayState& state);

} // namespace aerolap
