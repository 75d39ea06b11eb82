#pragma once

#include "engine/CycleSnapshot.h"

#include <optional>
#include <string>
#include <vector>

namespace aerolap {

/// What a phase of a logged cycle ran on: enough to work out its cues from the engine's own tables.
struct LoggedPhaseSettings {
    CyclePhase phase = CyclePhase::Preparation;
    int seconds = 0;
    bool vuz = false;
    bool minuteBeeps = false;
    Announcements announcements;
};

/// A cue the engine plays when the running clock shows `second`.
struct DueCue {
    std::string second;
    int secondsLeft = 0;
    std::string file;
};

/// How a phase ended, which decides its last cue.
enum class PhaseEnd { RanOut, LandingButton, Cut };

/// The cues `settings` call for in their phase, from its start down to `lowest` seconds left, in
/// the order of the polls' tables; the cue of its end as `end` says.
std::vector<DueCue> cuesDue(const LoggedPhaseSettings& settings, int lowest, PhaseEnd end);

/// The call START plays with these announcements, if any.
std::optional<std::string> startCallDue(const Announcements& announcements);

} // namespace aerolap
