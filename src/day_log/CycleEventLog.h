#pragma once

#include "DayLog.h"
#include "engine/CyclePhase.h"
#include "engine/Form1.h"
#include "notices/NoticeBoard.h"
#include "recovery/CrashResume.h"
#include "recovery/SuspendWatch.h"
#include "schedule/ScheduleRunner.h"

#include <cstddef>
#include <functional>

namespace aerolap {

/// Records what the operator and the cycle do, listening where it happens: START, STOP, RESET and
/// the landing button once their handlers have run; each change of phase, with what the phase
/// runs on (its length, the task, the boxes), once the event that changed it is over; each move
/// of the schedule; the catch-up after a suspend and the resume after a crash; every notice.
class CycleEventLog {
public:
    using RunSoon = std::function<void(std::function<void()>)>;

    CycleEventLog(DayLog& log, Form1& form, ScheduleRunner& runner, SuspendWatch& suspendWatch,
                  CrashResume& crashResume, NoticeBoard& notices, RunSoon runSoon);
    ~CycleEventLog();
    CycleEventLog(const CycleEventLog&) = delete;
    CycleEventLog& operator=(const CycleEventLog&) = delete;

private:
    void recordClick(std::string_view kind);
    void recordPhaseSoon();
    void recordPhase();

    DayLog& m_log;
    const Form1& m_form;
    const ScheduleRunner& m_runner;
    NoticeBoard& m_notices;
    RunSoon m_runSoon;
    std::size_t m_noticeListener = 0;
    bool m_phasePending = false;
    CyclePhase m_phase = CyclePhase::Ready;
};

} // namespace aerolap
