#pragma once

#include "draw/Draw.h"

#include <QJsonObject>
#include <compare>
#include <optional>
#include <string>
#include <vector>

namespace aerolap {

/// One round of a contest: its task and working time, flown by each group in turn. A time left
/// unset takes the schedule's own. Times are whole seconds.
struct ScheduleRound {
    std::string task;
    std::string title;
    int working = 0;
    int groups = 1;
    int flights = 1;
    std::optional<int> preparation;
    std::optional<int> test;
    std::optional<int> noFly;
    std::optional<int> gap;
    /// Fields this program does not know, written back as they came.
    QJsonObject unknown;
};

/// A contest day as the director wrote it: the rounds in order and the times they share. Knows
/// nothing of files or of the window it drives.
struct Schedule {
    std::string name;
    /// The contest's day as written, YYYY-MM-DD; empty when not given.
    std::string date;
    int preparation = 300;
    int test = 0;
    int noFly = 0;
    int gap = 30;
    /// The field display gets round, group and state as well as the time.
    bool extendedFrame = false;
    std::vector<ScheduleRound> rounds;
    /// Who flies in which group; each drawn round has the round's number of groups.
    std::optional<Draw> draw;
    QJsonObject unknown;
};

/// Where a schedule stands: zero-based round, group and flight.
struct SchedulePosition {
    int round = 0;
    int group = 0;
    int flight = 0;
    auto operator<=>(const SchedulePosition&) const = default;
};

/// What one cycle of the schedule needs, in seconds. The test-flight and no-fly windows are the
/// last seconds of the preparation.
struct CyclePlan {
    int preparation = 0;
    int working = 0;
    int test = 0;
    int noFly = 0;
    int gap = 0;
};

/// The no-fly time before a later flight of a group when the schedule sets none.
inline constexpr int kLaterFlightNoFly = 60;

bool contains(const Schedule& schedule, SchedulePosition position);
CyclePlan planOf(const Schedule& schedule, SchedulePosition position);
std::optional<SchedulePosition> nextPosition(const Schedule& schedule, SchedulePosition position);
std::optional<SchedulePosition> previousPosition(const Schedule& schedule,
                                                 SchedulePosition position);

} // namespace aerolap
