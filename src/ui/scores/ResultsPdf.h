#pragma once

#include "scores/ScoredContest.h"
#include "scoring/Results.h"

#include <optional>
#include <string>

namespace aerolap {

/// Writes the results to `path` as an A4 PDF for the notice board: the standings (the fly-off's
/// apart), the teams, every round entered group by group with each pilot's flights, and the rules
/// they were scored by; provisional scores marked. Returns the message when it could not.
std::optional<std::string> writeResultsPdf(const ScoredContest& scored, const Results& results,
                                           const std::string& path);

} // namespace aerolap
