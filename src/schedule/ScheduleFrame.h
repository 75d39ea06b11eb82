#pragma once

#include "ScheduleRunner.h"
#include "led_display/SerialDisplayLink.h"

#include <optional>
#include <string>
#include <string_view>

namespace aerolap {

/// The extended field-display frame, `R` round `G` group `T` mmss and the state, when the loaded
/// schedule asks for it (for example "R03G02T0652WT\r"); nothing for the six-byte frame.
std::optional<std::string> scheduleFrame(const ScheduleRunner& runner, const Form1& form,
                                         std::string_view minutesSeconds);

/// Gives the display link the schedule's frame; with the extended frame, a STOP, which changes
/// no digit, is sent as well, so that a board that reads the state shows it.
void feedScheduleFrames(const ScheduleRunner& runner, Form1& form, SerialDisplayLink& link);

} // namespace aerolap
