#pragma once

#include "Results.h"

namespace aerolap {

/// Ranks the teams on their members' qualifying totals under the contest's team rule. A member
/// without a valid score, or disqualified, adds nothing.
std::vector<TeamStanding> rankTeams(const std::vector<Team>& teams, const Standings& standings,
                                    const ContestRules& rules);

} // namespace aerolap
