#include "DisplayAwakeWhileRunning.h"

namespace aerolap {

void keepDisplayAwakeWhileRunning(Cycle& cycle, StayAwake& stayAwake) {
    cycle.settled.connect([&stayAwake, wasHeld = false](const CycleSnapshot& snapshot) mutable {
        const bool held = cycleRuns(snapshot.phase) ||
                          (snapshot.schedule && snapshot.schedule->state == ScheduleState::Gap);
        if (held != wasHeld) {
            wasHeld = held;
            stayAwake.holdDisplay(held);
        }
    });
}

} // namespace aerolap
