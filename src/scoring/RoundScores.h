#pragma once

#include "Results.h"

#include <map>

namespace aerolap {

/// Each group's raw scores and their share of the group's best.
std::vector<GroupResult> scoreGroups(const Round& round);

/// Each pilot's score for round `index`, from the pilot's cards in its groups: with a re-flight
/// the rule decides which card stands. Penalties of all the pilot's cards add up.
std::map<int, PilotRound> pilotRounds(const Round& round, const std::vector<GroupResult>& groups,
                                      int index, ReflightRule rule);

/// Penalty points added without overflowing, whatever was entered.
int plusPenalty(int sum, int penalty);

} // namespace aerolap
