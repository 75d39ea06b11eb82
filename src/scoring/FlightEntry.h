#pragma once

#include "Card.h"
#include "ScoringRules.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aerolap {

/// The flights typed into a card's entry field, or the one message that names the bad token.
struct EnteredFlights {
    std::optional<std::vector<Flight>> flights;
    std::string error;
};

/// Reads flight times separated by spaces or commas, as a timekeeper types them quickly:
/// `2:59 1:30 45` or `259 130 45`. Three or four digits are minutes and seconds (`100` is 1:00),
/// one or two are seconds; a fraction of a second is dropped. Refused: a seconds part of 60 or
/// more, anything that is not a time, a negative time, a time over the working time, and more
/// flights than the round's task allows.
EnteredFlights parseFlights(std::string_view text, const RoundRules& rules);

} // namespace aerolap
