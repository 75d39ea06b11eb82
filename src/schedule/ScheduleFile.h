#pragma once

#include "Schedule.h"

#include <QJsonObject>
#include <optional>
#include <string>

namespace aerolap {

/// A schedule read from a file, or the one message that says what is wrong with it: the file,
/// the field (or the line of a JSON syntax error) and the fault.
struct LoadedSchedule {
    std::optional<Schedule> schedule;
    std::string error;
};

/// Checks a schedule as JSON; `source` names where it came from in the message.
LoadedSchedule scheduleFromJson(const QJsonObject& object, const std::string& source);

/// The schedule as JSON, with the fields it did not know.
QJsonObject scheduleToJson(const Schedule& schedule);

/// Reads and checks a schedule file. Nothing is written, whatever the file holds.
LoadedSchedule loadSchedule(const std::string& path);

/// Writes the schedule, with the fields it did not know, in place of the file at once or not at
/// all. Returns the message when it could not.
std::optional<std::string> saveSchedule(const Schedule& schedule, const std::string& path);

} // namespace aerolap
