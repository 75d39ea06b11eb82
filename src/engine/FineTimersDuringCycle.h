#pragma once

#include "Cycle.h"
#include "platform/TimerResolution.h"

namespace aerolap {

/// Keeps the system's timers fine while a cycle runs (preparation, working time, landing
/// window), so that the polls hold their one-second grid, and gives them back at READY or after
/// STOP, when nothing is timed. It follows the cycle's snapshots, so the resolution changes only
/// when the cycle starts or ends, never between two steps of a handler.
void keepTimersFineDuringCycle(Cycle& cycle, TimerResolution& resolution);

} // namespace aerolap
