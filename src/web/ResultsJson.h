#pragma once

#include "scores/ScoredContest.h"
#include "scoring/Results.h"

#include <string>

namespace aerolap {

/// The results as /api/results serves them, without their version:
/// {"name": ..., "date": ..., "provisional": true while a group with cards is not confirmed,
///  "minimum_rounds": the rounds a pilot completes before they have a rank,
///  "rounds": [{"task": "A" ("" for a round not scored), "fly_off": false}, ...],
///  "standings": [pilot, ...], "fly_off": [pilot, ...] (empty without a fly-off),
///  "teams": [{"rank": 1, "name": ..., "counted": [names], "total": "1987.5",
///             "provisional": false}, ...]}
/// with each pilot {"name", "team", "rank" (absent without one), "total", "penalty", "valid",
/// "disqualified", "provisional", "rounds": [{"round" (counted from 1), "score", "penalty",
/// "dropped", "provisional", "completed", "cards": [{"group" (from 1), "flights" ("2:59 1:30"),
/// "raw", "score", "mark" ("", "unsigned", "no-show" or "re-flight")}]}]}. Scores are text with
/// one decimal, as the printed results show them. Written as text directly: it is made on the GUI
/// thread after each change of the scores, and a tree of Qt's JSON values costs several times more.
std::string resultsJson(const ScoredContest& scored, const Results& results);

} // namespace aerolap
