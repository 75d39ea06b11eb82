#pragma once

#include "engine/CycleSnapshot.h"
#include "schedule/Schedule.h"

#include <QByteArray>

namespace aerolap {

/// What the director's page shows beside the pilots' display: the phase, the task and the two
/// times set, and with a schedule its state and the groups of each round, for the moves.
QByteArray directorStateJson(const CycleSnapshot& cycle, const Schedule* schedule);

} // namespace aerolap
