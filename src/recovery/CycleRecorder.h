#pragma once

#include "CycleRecord.h"
#include "StateFile.h"
#include "engine/Form1.h"
#include "platform/MonotonicSource.h"
#include "platform/WallClock.h"
#include "schedule/ScheduleRunner.h"
#include "schedule/ScheduleSession.h"

#include <functional>

namespace aerolap {

/// Writes the timer's state down at START, at each phase change, at STOP and RESET, at each
/// change of the settings and of the schedule's place: the record is taken once the event is
/// over, after its frame and cue, and handed to the state file's own thread.
class CycleRecorder {
public:
    using RunSoon = std::function<void(std::function<void()>)>;

    CycleRecorder(Form1& form, ScheduleRunner& runner, const ScheduleSession& session,
                  const MonotonicSource& realTime, const WallClock& wall, StateFile& file,
                  RunSoon runSoon);
    CycleRecorder(const CycleRecorder&) = delete;
    CycleRecorder& operator=(const CycleRecorder&) = delete;

    /// The record of the timer as it stands.
    CycleRecord take() const;
    /// Writes the record now, when a start has had its say.
    void recordNow();
    /// The program ends the way it should: writes a record that says so, and waits for it.
    void markClean();

private:
    void recordSoon();
    WallClock::TimePoint wallTimeOf(MonotonicSource::TimePoint moment) const;

    Form1& m_form;
    const ScheduleRunner& m_runner;
    const ScheduleSession& m_session;
    const MonotonicSource& m_time;
    const WallClock& m_wall;
    StateFile& m_file;
    RunSoon m_runSoon;
    bool m_recordPending = false;

    // What the cycle in hand runs on, seen as its handlers set it up.
    MonotonicSource::TimePoint m_cycleBegan{};
    std::string m_preparation;
    std::string m_working;
    bool m_vuz = false;
    bool m_landingButton = false;
    bool m_minuteBeeps = false;
};

} // namespace aerolap
