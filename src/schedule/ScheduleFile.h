#pragma once

#include "Schedule.h"

#include <optional>
#include <string>

namespace aerolap {

/// A schedule read from a file, or the one message that says what is wrong with it: the file,
/// the field (or the line of a JSON syntax error) and the fault.
struct LoadedSchedule {
    std::optional<Schedule> schedule;
    std::string error;
};

/// Reads and checks a schedule file. Nothing is written, whatever the file holds.
LoadedSchedule loadSchedule(const std::string& path);

/// Writes the schedule, with the fields it did not know, in place of the file at once or not at
/// all. Returns the message when it could not.
std::optional<std::string> saveSchedule(const Schedule& schedule, const std::string& path);

} // namespace aerolap
