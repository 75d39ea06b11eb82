#pragma once

#include "DisplayState.h"
#include "schedule/ScheduleRunner.h"

#include <optional>

namespace aerolap {

/// The pilots' part of where the runner stands; nothing without a schedule. Who flies is filled
/// in only with a draw, whose document for the page has version `drawVersion`.
std::optional<ScheduledCycle> scheduledCycleOf(const ScheduleRunner& runner, int drawVersion = 0);

} // namespace aerolap
