#include "RoundScores.h"

#include "RawScore.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace aerolap {

namespace {
constexpr double kBestScore = 1000.0;
} // namespace

std::vector<GroupResult> scoreGroups(const Round& round) {
    std::vector<GroupResult> results;
    results.reserve(round.groups.size());
    for (const Group& group : round.groups) {
        GroupResult& result = results.emplace_back();
        result.provisional = !group.confirmed;
        int best = 0;
        for (const Card& card : group.cards) {
            const int raw = rawScore(card, round.rules);
            best = std::max(best, raw);
            result.cards.push_back({card.pilot, raw, 0});
        }
        for (CardResult& card : result.cards) {
            card.score = best > 0 ? kBestScore * card.raw / best : 0;
        }
    }
    return results;
}

std::map<int, PilotRound> pilotRounds(const Round& round, const std::vector<GroupResult>& groups,
                                      int index, ReflightRule rule) {
    std::map<int, PilotRound> pilots;
    std::map<int, bool> reflown;
    for (std::size_t g = 0; g < round.groups.size(); ++g) {
        const std::vector<Card>& cards = round.groups[g].cards;
        for (std::size_t c = 0; c < cards.size(); ++c) {
            const Card& card = cards[c];
            const double score = groups[g].cards[c].score;
            PilotRound& pilot = pilots[card.pilot];
            pilot.round = index;
            pilot.penalty = plusPenalty(pilot.penalty, card.penalty);
            pilot.completed = pilot.completed || card.mark != CardMark::NoShow;
            pilot.provisional = pilot.provisional || groups[g].provisional;
            bool& takesReflight = reflown[card.pilot];
            if (card.grantedReflight && rule == ReflightRule::ReflownPilotTakesReflight) {
                pilot.score = score;
                takesReflight = true;
            } else if (!takesReflight) {
                pilot.score = std::max(pilot.score, score);
            }
        }
    }
    return pilots;
}

int plusPenalty(int sum, int penalty) {
    return static_cast<int>(
        std::clamp<std::int64_t>(std::int64_t{sum} + penalty, INT_MIN, INT_MAX));
}

} // namespace aerolap
