#pragma once

#include "engine/CyclePhase.h"
#include "platform/WallClock.h"
#include "schedule/Schedule.h"

#include <map>
#include <optional>
#include <string>

namespace aerolap {

/// What the operator has set: enough to set the window up again as they had it.
struct RecordedSettings {
    /// The caption of the selected task.
    std::string task;
    std::string preparation;
    std::string working;
    bool loop = false;
    /// The announcement boxes, by element name: ticked or not.
    std::map<std::string, bool> boxes;
    bool operator==(const RecordedSettings&) const = default;
};

/// The cycle under way: when it and its phase began, and what it runs on, which may differ from
/// the settings when the operator changed them since.
struct RecordedCycle {
    WallClock::TimePoint began;
    CyclePhase phase = CyclePhase::Preparation;
    WallClock::TimePoint phaseBegan;
    std::string preparation;
    /// The working time this cycle has or will have.
    std::string working;
    bool vuz = false;
    /// The landing window was opened early with the Vuz landing button, at `phaseBegan`.
    bool landingButton = false;
    /// The minute beeps' poll ran before this cycle began (it runs from the first working time
    /// on, and beeps in a preparation too).
    bool minuteBeeps = false;
    bool operator==(const RecordedCycle&) const = default;
};

/// Where the schedule in hand stands.
struct RecordedSchedule {
    std::string file;
    SchedulePosition position;
    bool operator==(const RecordedSchedule&) const = default;
};

/// The timer's state as written down at each change, for a start after a crash.
struct CycleRecord {
    /// The program ended the way it should: there is nothing to come back to.
    bool clean = false;
    RecordedSettings settings;
    std::optional<RecordedCycle> cycle;
    std::optional<RecordedSchedule> schedule;
    bool operator==(const CycleRecord&) const = default;
};

/// Where a recorded cycle stands at a later moment, as its clock would show it.
struct CycleStanding {
    CyclePhase phase;
    int secondsLeft;
};

/// Where `cycle` stands at `now` if nothing stopped it, or nothing when it has ended by then;
/// with `loop`, cycles of the settings' times follow it without end.
std::optional<CycleStanding> standingAt(const RecordedCycle& cycle,
                                        const RecordedSettings& settings, WallClock::TimePoint now);

/// "working time, 04:32 left, round 3 group 2": what a record's cycle is at `now`.
std::string describeStanding(const CycleStanding& standing,
                             const std::optional<RecordedSchedule>& schedule);

} // namespace aerolap
