#pragma once

#include "pilots_display/DisplayStatePublisher.h"
#include "platform/StayAwake.h"
#include "schedule/ScheduleRunner.h"

namespace aerolap {

/// Holds the display lit while a cycle runs, or a schedule does (its gaps included), and lets it
/// go at READY, after STOP and when the schedule pauses or ends. It reads the engine's phase and
/// the runner's state each time the pilots' display state settles, which is after every handler
/// that can change either, and tells the system only when the answer changes.
class DisplayAwakeWhileRunning {
public:
    DisplayAwakeWhileRunning(const Form1& form, const ScheduleRunner& runner,
                             DisplayStatePublisher& settled, StayAwake& stayAwake);
    DisplayAwakeWhileRunning(const DisplayAwakeWhileRunning&) = delete;
    DisplayAwakeWhileRunning& operator=(const DisplayAwakeWhileRunning&) = delete;

private:
    bool running() const;

    const Form1& m_form;
    const ScheduleRunner& m_runner;
    StayAwake& m_stayAwake;
    bool m_held = false;
};

} // namespace aerolap
