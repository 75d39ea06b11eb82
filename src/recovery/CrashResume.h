#pragma once

#include "CycleRecord.h"
#include "TimerCatchUp.h"
#include "elements/Signal.h"
#include "engine/Cycle.h"
#include "notices/NoticeBoard.h"
#include "platform/MessageBoxService.h"
#include "platform/WallClock.h"
#include "schedule/ScheduleSession.h"

namespace aerolap {

/// After a start that followed a crash, a killed window or a power cut: offers the cycle that was
/// running, if by the wall clock it still is, and on Yes brings it back the way an operator would
/// set it up (the schedule at its place, the task, the times, the boxes), presses START back at
/// the moment the cycle began and catches up to now, so that it carries on at the right second.
class CrashResume {
public:
    enum class Outcome { NothingToResume, Resumed, Declined };

    CrashResume(Cycle& cycle, ScheduleSession& schedule, Replay& replay, TimerCatchUp& catchUp,
                const WallClock& wall, MessageBoxService& messageBoxes, NoticeBoard& notices);
    CrashResume(const CrashResume&) = delete;
    CrashResume& operator=(const CrashResume&) = delete;

    /// Asks about the cycle in `record`, unless the program ended cleanly or the cycle has ended
    /// by now, and resumes it on Yes.
    Outcome offer(const CycleRecord& record);

    /// Raised once a crashed cycle carries on, with what it is at (for a record of the day).
    Signal<std::string> resumed;

private:
    void resume(const CycleRecord& record);

    Cycle& m_cycle;
    ScheduleSession& m_schedule;
    Replay& m_replay;
    TimerCatchUp& m_catchUp;
    const WallClock& m_wall;
    MessageBoxService& m_messageBoxes;
    NoticeBoard& m_notices;
};

} // namespace aerolap
