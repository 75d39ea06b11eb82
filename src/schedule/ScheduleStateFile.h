#pragma once

#include "Schedule.h"

#include <optional>
#include <string>

namespace aerolap {

/// Where a schedule stood when last written down, and whether a cycle or gap was under way.
struct SavedPosition {
    SchedulePosition position;
    bool running = false;
    /// The last cycle has been flown: there is nothing to resume.
    bool finished = false;
    bool operator==(const SavedPosition&) const = default;
};

/// The file beside a schedule that holds its position.
std::string stateFileOf(const std::string& schedulePath);

/// Replaces the state file in one step, so a crash or power loss leaves the old one or the new
/// one, never half of either. Returns whether it was written.
bool writeScheduleState(const std::string& schedulePath, const SavedPosition& saved);

/// The position written down, or nothing when the file is missing, unreadable or not ours.
std::optional<SavedPosition> readScheduleState(const std::string& schedulePath);

} // namespace aerolap
