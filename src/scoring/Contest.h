#pragma once

#include "Card.h"
#include "ScoringRules.h"

#include <string>
#include <vector>

namespace aerolap {

/// The cards of one group of a round. A re-flight group is a group like any other of its round;
/// its cards say which pilots were granted the re-flight.
struct Group {
    std::vector<Card> cards{};
    /// The jury confirmed the group's scores; until then they and all they feed are provisional.
    bool confirmed = false;
};

struct Round {
    RoundRules rules{};
    std::vector<Group> groups{};
    /// A fly-off round: scored apart from the qualifying rounds.
    bool flyOff = false;
};

struct TeamMember {
    int pilot = 0;
    bool nominated = true;
};

struct Team {
    std::string name{};
    std::vector<TeamMember> members{};
};

/// All a contest's results are worked out from. Pilots are numbers, as in the draw; the names are
/// the caller's.
struct Contest {
    ContestRules rules{};
    /// Pilots 0 to `pilots` - 1 are in the standings even before they have a card.
    int pilots = 0;
    std::vector<Round> rounds{};
    std::vector<Team> teams{};
};

} // namespace aerolap
