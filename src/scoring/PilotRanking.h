#pragma once

#include "Results.h"

#include <cstdint>
#include <map>

namespace aerolap {

/// What ranks the pilots of one table: the qualifying rounds or the fly-off.
struct TableRules {
    std::vector<DropStep> dropped;
    int minimumRounds = 0;
    int penaltyLimit = 0;
};

/// Ranks pilots on their rounds of one table (a score for each of its rounds, in order):
/// drops the lowest scores as the number of rounds asks, takes off the penalties, breaks ties on
/// the dropped scores. `contestPenalties` holds each pilot's penalties over the whole contest.
Standings rankPilots(const std::map<int, std::vector<PilotRound>>& rounds, const TableRules& rules,
                     const std::map<int, int>& contestPenalties);

/// A score as compared for ties: totals within a millionth of a point are equal, so that
/// adding the same scores in another order cannot part them.
std::int64_t comparable(double score);

} // namespace aerolap
