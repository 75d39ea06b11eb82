#pragma once

#include "engine/CycleSnapshot.h"
#include "platform/WallClock.h"

#include <optional>
#include <string>

namespace aerolap {

/// The cycle under way, as a record keeps it: when it and its phase began by the wall clock, and
/// what it runs on, which may differ from the settings when the operator changed them since.
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

/// The timer's state as written down at each change, for a start after a crash: what the
/// director has set, the cycle under way and the schedule's place.
struct CycleRecord {
    /// The program ended the way it should: there is nothing to come back to.
    bool clean = false;
    CycleSettings settings;
    std::optional<RecordedCycle> cycle;
    std::optional<SchedulePlace> schedule;
    bool operator==(const CycleRecord&) const = default;
};

/// A running phase as a record and the resume question name it: "preparation", "working time" or
/// "landing window".
std::string_view spokenPhase(CyclePhase phase);
std::optional<CyclePhase> spokenPhaseNamed(std::string_view name);

/// Where a recorded cycle stands at a later moment, as its clock would show it.
struct CycleStanding {
    CyclePhase phase;
    int secondsLeft;
};

/// Where `cycle` stands at `now` if nothing stopped it, or nothing when it has ended by then;
/// with `loop`, cycles of the settings' times follow it without end.
std::optional<CycleStanding> standingAt(const RecordedCycle& cycle, const CycleSettings& settings,
                                        WallClock::TimePoint now);

/// "working time, 04:32 left, round 3 group 2": what a record's cycle is at `now`.
std::string describeStanding(const CycleStanding& standing,
                             const std::optional<SchedulePlace>& schedule);

} // namespace aerolap
