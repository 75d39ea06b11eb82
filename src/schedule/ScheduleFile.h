#pragma once

#include "Schedule.h"

#include <QJsonObject>
#include <optional>
#include <string>
#include <vector>

namespace aerolap {

/// A schedule read from a file, or the one message that says what is wrong with it: the file,
/// the field (or the line of a JSON syntax error) and the fault.
struct LoadedSchedule {
    std::optional<Schedule> schedule;
    std::string error;
};

/// Checks a schedule as JSON; `source` names where it came from in the message.
LoadedSchedule scheduleFromJson(const QJsonObject& object, const std::string& source);

/// The fields of a round the director edits one by one.
enum class RoundField { Task, Title, Working, Groups, Flights, Preparation };

/// `schedule` with `field` of round `index` set to what the director typed, checked as that field
/// of a file is: a time may be typed without its full stops, and an empty preparation takes the
/// schedule's own. Else the message that names the field and the fault after `source`.
LoadedSchedule withRoundField(Schedule schedule, std::size_t index, RoundField field,
                              const std::string& typed, const std::string& source);

/// The schedule as JSON, with the fields it did not know.
QJsonObject scheduleToJson(const Schedule& schedule);

/// The number of groups of each round, as a draw is checked against.
std::vector<int> groupsPerRound(const Schedule& schedule);

/// Reads and checks a schedule file. Nothing is written, whatever the file holds.
LoadedSchedule loadSchedule(const std::string& path);

/// Writes the schedule, with the fields it did not know, in place of the file at once or not at
/// all. Returns the message when it could not.
std::optional<std::string> saveSchedule(const Schedule& schedule, const std::string& path);

} // namespace aerolap
