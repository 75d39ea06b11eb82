#pragma once

#include "ScheduleRunner.h"
#include "audio/CuePlayer.h"

#include <chrono>
#include <deque>
#include <string>

namespace aerolap {

/// Speaks the schedule: in each gap the coming round and group ("round 3, group 2", and the
/// flight after the first), and "test flights" and "no flying" as those windows open. Each
/// announcement must end before the cycle's next cue and start after the last one has ended;
/// one that does not fit is left out, since a cycle cue is never cut.
class ScheduleAnnouncer {
public:
    ScheduleAnnouncer(ScheduleRunner& runner, const Cycle& cycle, CuePlayer& cues,
                      const MonotonicSource& time);
    ScheduleAnnouncer(const ScheduleAnnouncer&) = delete;
    ScheduleAnnouncer& operator=(const ScheduleAnnouncer&) = delete;

    /// Plays the words of an announcement one after another; the driver attaches it.
    Timer wordTimer{std::chrono::milliseconds(10)};

private:
    struct Word {
        MonotonicSource::TimePoint at;
        std::string cue;
    };

    void announceComingCycle();
    void announceWindow(ScheduleRunner::Window window);
    void playDueWords();

    ScheduleRunner& m_runner;
    const Cycle& m_cycle;
    CuePlayer& m_cues;
    const MonotonicSource& m_time;
    ScheduleRunner::State m_lastState = ScheduleRunner::State::Waiting;
    std::deque<Word> m_words;
};

} // namespace aerolap
