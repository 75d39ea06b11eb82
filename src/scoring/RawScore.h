#pragma once

#include "Card.h"
#include "ScoringRules.h"

namespace aerolap {

/// What a flight counts in a working time of `workingTime` seconds: none of it after the working
/// time's end, wherever that end is known from.
int countedSeconds(const Flight& flight, int workingTime);

/// The card's raw score for the round: the counted flights of its task, each capped. An unsigned
/// card and a no-show score 0.
int rawScore(const Card& card, const RoundRules& rules);

} // namespace aerolap
