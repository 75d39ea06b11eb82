#pragma once

#include "CycleRecord.h"
#include "StateFile.h"
#include "engine/Cycle.h"
#include "platform/MonotonicSource.h"
#include "platform/WallClock.h"

#include <optional>

namespace aerolap {

/// Writes the timer's state down whenever the cycle's snapshot changes what a resume needs: the
/// settings, the cycle under way, the schedule's place. The record is handed to the files' writer;
/// the passing seconds alone write nothing.
class CycleRecorder {
public:
    CycleRecorder(Cycle& cycle, const MonotonicSource& realTime, const WallClock& wall,
                  StateFile& file);
    CycleRecorder(const CycleRecorder&) = delete;
    CycleRecorder& operator=(const CycleRecorder&) = delete;

    /// The record of `snapshot`.
    CycleRecord recordOf(const CycleSnapshot& snapshot) const;
    /// Writes the record now, when a start has had its say.
    void recordNow();
    /// The program ends the way it should: hands over a record that says so.
    void markClean();

private:
    /// What a record is made of, with the moments still on the monotonic clock, so that it can be
    /// compared from one snapshot to the next.
    struct Source {
        CycleSettings settings;
        std::optional<RunningCycle> running;
        std::optional<SchedulePlace> schedule;
        bool operator==(const Source&) const = default;
    };
    static Source sourceOf(const CycleSnapshot& snapshot);
    void record(const CycleSnapshot& snapshot);
    WallClock::TimePoint wallTimeOf(MonotonicSource::TimePoint moment) const;

    const Cycle& m_cycle;
    const MonotonicSource& m_time;
    const WallClock& m_wall;
    StateFile& m_file;
    std::optional<Source> m_written;
};

} // namespace aerolap
