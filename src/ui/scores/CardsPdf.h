#pragma once

#include "schedule/Schedule.h"
#include "scoring/ScoringRules.h"

#include <optional>
#include <string>

namespace aerolap {

/// Writes the cards of round `round` to `path` as an A4 PDF, a page or more per group: for each
/// pilot of the draw, the pilot's score card and the card of the pilot's timekeeper side by side,
/// names, round, group and task filled in, and a box for each flight as the task lays them out
/// (a ladder's steps with their targets, a poker attempt's target and time, the all-up task's
/// flights). Returns the message when it could not.
std::optional<std::string> writeCardsPdf(const Schedule& schedule, int round,
                                         const RoundRules& rules, const std::string& path);

} // namespace aerolap
