#pragma once

#include "engine/Form1.h"
#include "schedule/ScheduleRunner.h"

#include <QByteArray>

namespace aerolap {

/// What the director's page shows beside the pilots' display: the task and the two times set, and
/// with a schedule its state and the groups of each round, for the moves.
QByteArray directorStateJson(const Form1& form, const ScheduleRunner& runner);

} // namespace aerolap
