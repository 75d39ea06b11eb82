#pragma once

#include "PhoneCard.h"
#include "scoring/Card.h"
#include "scoring/ScoringRules.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace aerolap {

/// What was entered for one group of a round: a card for each pilot, by the pilot's name in the
/// draw (names rather than the draw's numbers, so that a draw made again gives no pilot another
/// pilot's card), and whether the jury confirmed it.
struct GroupSheet {
    /// Each card's `pilot` number is the contest's, given when the contest is scored.
    std::map<std::string, Card> cards;
    bool confirmed = false;
    /// A re-flight group added to its round, and the pilots granted the re-flight in it; the other
    /// pilots of the group fill it.
    bool reflight = false;
    std::set<std::string> granted;
    /// Where each card that came from a timekeeper's phone came from, by the pilot's name.
    std::map<std::string, PhoneCardOrigin> fromPhones;

    friend bool operator==(const GroupSheet&, const GroupSheet&) = default;
};

/// The contest's scores as the program keeps them: the rules they are scored under, and what was
/// entered for each group of each round. The schedule gives the rounds' tasks and the draw the
/// pilots; this holds only what they do not.
struct ScoreSheet {
    ContestRules rules;
    /// The rounds from this one on (counted from 0) are the fly-off, scored on their own.
    std::optional<int> flyOffFrom;
    /// Each round's groups, counted from 0, as far as anything was entered.
    std::vector<std::vector<GroupSheet>> rounds;

    /// The group, made with the rounds and groups before it where missing.
    GroupSheet& group(int round, int group);
    /// The group, or nothing where nothing was entered.
    const GroupSheet* find(int round, int group) const;

    friend bool operator==(const ScoreSheet&, const ScoreSheet&) = default;
};

} // namespace aerolap
