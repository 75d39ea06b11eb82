#pragma once

#include "DayLog.h"
#include "engine/Cycle.h"
#include "notices/NoticeBoard.h"
#include "recovery/CrashResume.h"
#include "recovery/SuspendWatch.h"

#include <cstddef>
#include <optional>

namespace aerolap {

/// Records what the operator and the cycle do, from the cycle's snapshot once each event is
/// over: START, STOP, RESET and the landing button; each change of phase, with what the phase
/// runs on (its length, the task, the announcements); each move of the schedule. Besides, the
/// catch-up after a suspend and the resume after a crash, and every notice.
class CycleEventLog {
public:
    CycleEventLog(DayLog& log, Cycle& cycle, SuspendWatch& suspendWatch, CrashResume& crashResume,
                  NoticeBoard& notices);
    ~CycleEventLog();
    CycleEventLog(const CycleEventLog&) = delete;
    CycleEventLog& operator=(const CycleEventLog&) = delete;

private:
    void record(const CycleSnapshot& snapshot);
    void recordPhase(const CycleSnapshot& snapshot);

    DayLog& m_log;
    const Cycle& m_cycle;
    NoticeBoard& m_notices;
    std::size_t m_noticeListener = 0;
    /// A window that has not yet loaded is at READY as far as the log is concerned.
    CyclePhase m_phase = CyclePhase::Ready;
    std::optional<SchedulePlace> m_place;
};

} // namespace aerolap
