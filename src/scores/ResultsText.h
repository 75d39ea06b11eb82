#pragma once

#include "ScoredContest.h"
#include "scoring/Results.h"

#include <string>

namespace aerolap {

/// The results for the terminal: the heading, whether they are provisional, the rules, the
/// standings (the fly-off's apart) and the teams, as aligned columns.
std::string resultsText(const ScoredContest& scored, const Results& results);

} // namespace aerolap
