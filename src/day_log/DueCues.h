#pragma once

#include "DayLogLine.h"

#include <optional>
#include <string>
#include <vector>

namespace aerolap {

/// A cue the engine plays when the running clock shows `second`.
struct DueCue {
    std::string second;
    int secondsLeft = 0;
    std::string file;
};

/// How a phase ended, which decides its last cue.
enum class PhaseEnd { RanOut, LandingButton, Cut };

/// The cues a logged phase called for, from its start down to `lowest` seconds left, in the order
/// of the polls' tables; the cue of its end as `end` says.
std::vector<DueCue> cuesDue(const PhaseBegan& settings, int lowest, PhaseEnd end);

/// The call START plays with these announcements, if any.
std::optional<std::string> startCallDue(const Announcements& announcements);

} // namespace aerolap
