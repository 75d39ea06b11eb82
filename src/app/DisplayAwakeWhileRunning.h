#pragma once

#include "engine/Cycle.h"
#include "platform/StayAwake.h"

namespace aerolap {

/// Holds the display lit while a cycle runs, or a schedule does (its gaps included), and lets it
/// go at READY, after STOP and when the schedule pauses or ends. It follows the cycle's snapshots
/// and tells the system only when the answer changes.
void keepDisplayAwakeWhileRunning(Cycle& cycle, StayAwake& stayAwake);

} // namespace aerolap
