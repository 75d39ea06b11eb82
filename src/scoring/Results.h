#pragma once

#include "Contest.h"

#include <optional>
#include <string>
#include <vector>

namespace aerolap {

/// A card's scores within its group.
struct CardResult {
    int pilot = 0;
    int raw = 0;
    /// 1000 for the group's best raw score, the others in proportion; unrounded.
    double score = 0;
};

struct GroupResult {
    /// In the order of the group's cards.
    std::vector<CardResult> cards;
    bool provisional = false;
};

/// A pilot's score for one round, after re-flights, as the standings count it.
struct PilotRound {
    /// The round's index in the contest.
    int round = 0;
    double score = 0;
    /// Entered against this round; kept even when its score is dropped.
    int penalty = 0;
    /// The pilot has a card in the round other than a no-show.
    bool completed = false;
    bool dropped = false;
    bool provisional = false;
};

struct PilotStanding {
    int pilot = 0;
    /// One for each round of the table that has a card, in the contest's order.
    std::vector<PilotRound> rounds;
    /// The round scores not dropped, less every penalty of the table's rounds.
    double total = 0;
    int penalty = 0;
    /// Enough completed rounds for a final score.
    bool valid = false;
    /// Over the contest's penalty limit, counting every round.
    bool disqualified = false;
    bool provisional = false;
    /// Pilots tied on their total and on every dropped score share a rank; a pilot without a
    /// valid score, or disqualified, has none.
    std::optional<int> rank;
};

struct Standings {
    /// The ranked pilots in order, then those without a valid score, then the disqualified.
    std::vector<PilotStanding> pilots;
    /// A group that is not confirmed feeds it, so no rank is final yet.
    bool provisional = false;
};

struct TeamStanding {
    std::string name;
    /// The members whose totals make the team's, best first.
    std::vector<int> counted;
    double total = 0;
    bool provisional = false;
    int rank = 0;
};

struct Results {
    /// Each round's groups, as the contest holds them.
    std::vector<std::vector<GroupResult>> rounds;
    /// The qualifying rounds.
    Standings standings;
    /// The fly-off rounds alone, with their own dropped rounds; empty without a fly-off.
    Standings flyOff;
    /// From the qualifying standings, in order of rank.
    std::vector<TeamStanding> teams;
};

/// Scores every card, group and round of the contest and ranks its pilots and teams under its
/// rules. Knows nothing of where the cards came from or how the results are shown.
Results scoreContest(const Contest& contest);

/// The groups that have cards and are not confirmed yet: their scores may still change, and so
/// may every standing.
int unconfirmedGroups(const Results& results);

} // namespace aerolap
