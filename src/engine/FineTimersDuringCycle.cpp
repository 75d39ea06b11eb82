#include "FineTimersDuringCycle.h"

namespace aerolap {

void keepTimersFineDuringCycle(Cycle& cycle, TimerResolution& resolution) {
    resolution.setFine(cycleRuns(cycle.lastSettled().phase));
    cycle.settled.connect([&resolution](const CycleSnapshot& snapshot) {
        resolution.setFine(cycleRuns(snapshot.phase));
    });
}

} // namespace aerolap
