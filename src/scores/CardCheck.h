#pragma once

#include "scoring/Card.h"
#include "scoring/ScoringRules.h"

#include <optional>
#include <string>

namespace aerolap {

/// What is wrong with a card for a round of these rules, for the one who entered it: more
/// flights than the task allows, a time that is negative or longer than the working time, a
/// poker flight without its target, a negative penalty. The same checks as typed flight times
/// get, for a card that comes as numbers (from a phone).
std::optional<std::string> cardFault(const Card& card, const RoundRules& rules);

} // namespace aerolap
