#pragma once

#include "ScoreSheet.h"
#include "schedule/Schedule.h"
#include "scoring/Contest.h"

#include <optional>
#include <string>
#include <vector>

namespace aerolap {

/// The contest as the scoring engine takes it, with what the results show beside the numbers.
struct ScoredContest {
    Contest contest;
    /// By the contest's pilot numbers: the draw's pilots in the draw's order, then any pilot who
    /// has a card but is no longer in the draw.
    std::vector<DrawPilot> pilots;
    /// Whether each round can be scored: its task is one of the F3K letters A to N.
    std::vector<bool> scorable;
    std::string name;
    std::string date;
};

/// The usual rules of the round's task (a letter A to N, in either case) with its working time,
/// under the contest's rules; the all-up task takes as many flights as the round flies. None for
/// a round whose task is no F3K task.
std::optional<RoundRules> roundRulesOf(const ScheduleRound& round, const ContestRules& rules);

/// The contest from the schedule (each round's task and working time), its draw (the pilots and
/// their teams) and the sheet (the rules, the cards, the confirmations and the re-flights). A
/// round that cannot be scored has no groups.
ScoredContest scoredContest(const Schedule& schedule, const ScoreSheet& sheet);

/// The contest's number of the pilot called `name`, if it has one.
std::optional<int> pilotNumber(const ScoredContest& scored, const std::string& name);

} // namespace aerolap
