#include "DisplayAwakeWhileRunning.h"

namespace aerolap {

DisplayAwakeWhileRunning::DisplayAwakeWhileRunning(Cycle& cycle, StayAwake& stayAwake)
    : m_stayAwake(stayAwake) {
    cycle.settled.connect([this](const CycleSnapshot& snapshot) {
        const bool held = cycleRuns(snapshot.phase) ||
                          (snapshot.schedule && snapshot.schedule->state == ScheduleState::Gap);
        if (held != m_held) {
            m_held = held;
            m_stayAwake.holdDisplay(held);
        }
    });
}

} // namespace aerolap
