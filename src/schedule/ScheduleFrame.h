#pragma once

#include "ScheduleRunner.h"

#include <optional>
#include <string>
#include <string_view>

namespace aerolap {

/// The extended field-display frame, `R` round `G` group `T` mmss and the state, when the loaded
/// schedule asks for it (for example "R03G02T0652WT\r"); nothing for the six-byte frame.
std::optional<std::string> scheduleFrame(const ScheduleRunner& runner, const Cycle& cycle,
                                         std::string_view minutesSeconds);

} // namespace aerolap
