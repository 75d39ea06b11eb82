#pragma once

#include "schedule/Schedule.h"

#include <optional>
#include <string>
#include <vector>

namespace aerolap {

/// One cycle of the schedule as the page reckons with it: round, group and flight counted from 1,
/// and the seconds from its START to the next one's, gap included, if it goes to its end.
struct CycleLength {
    int round = 0;
    int group = 0;
    int flight = 0;
    int seconds = 0;

    friend bool operator==(const CycleLength&, const CycleLength&) = default;
};

/// The draw as the pilots' page fetches it once per version: the contest, the pilots, who flies
/// in each group, and every cycle in order with its length, from which the page works out when
/// any group flies, given when the next START is due.
struct DrawDocument {
    int version = 0;
    std::string name;
    std::string date;
    std::vector<std::string> pilots;
    /// rounds[r][g]: the names in group g of round r; a round without a draw has no groups.
    std::vector<std::vector<std::vector<std::string>>> rounds;
    std::vector<CycleLength> cycles;

    /// Alike in everything but the version.
    bool sameDrawAs(const DrawDocument& other) const;
};

/// The schedule's draw for the page, with version 0; nothing without a draw.
std::optional<DrawDocument> drawDocumentOf(const Schedule& schedule);

/// Where `position` is in the schedule's cycles, counted from 0.
int cycleIndexOf(const Schedule& schedule, SchedulePosition position);

} // namespace aerolap
