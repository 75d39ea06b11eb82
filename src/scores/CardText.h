#pragma once

#include "scoring/Card.h"

#include <string>

namespace aerolap {

/// The card's flight times as they are typed and exported: `2:59 1:30 0:45`.
std::string flightTimes(const Card& card);

/// The targets named before each flight (task E), in the same way.
std::string flightTargets(const Card& card);

/// The flights as the export and the results show them: a poker flight as `time/target`.
std::string flightsText(const Card& card);

/// The card's mark as the results show it, in English: "unsigned", "no-show", "re-flight" for a
/// card flown in a granted re-flight, else "". The results' tables translate it ("Results").
const char* cardMark(const Card& card);

/// The whole card in one line, as the day log keeps it, in no language: the flights, then the
/// penalty and the mark where there are any: `2:59 1:30 0:45, penalty 100, unsigned`.
std::string cardText(const Card& card);

} // namespace aerolap
