#pragma once

#include "DisplayState.h"
#include "schedule/ScheduleRunner.h"

#include <optional>

namespace aerolap {

/// The pilots' part of where the runner stands; nothing without a schedule.
std::optional<ScheduledCycle> scheduledCycleOf(const ScheduleRunner& runner);

} // namespace aerolap
