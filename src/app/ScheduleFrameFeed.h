#pragma once

#include "led_display/SerialDisplayLink.h"
#include "schedule/ScheduleRunner.h"

namespace aerolap {

/// Gives the LED display the schedule's frame while the loaded schedule asks for the extended
/// one; with it, a STOP, which changes no digit, is sent as well, so that a board that reads the
/// state shows it. Wired after the window: the STOP handler has run when the frame is taken, so
/// it reads the cycle stopped.
void feedScheduleFrames(const ScheduleRunner& runner, Cycle& cycle, SerialDisplayLink& link);

} // namespace aerolap
