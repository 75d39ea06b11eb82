#include "PilotRanking.h"

#include "RoundScores.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace aerolap {

namespace {

constexpr double kTieResolution = 1e6;

/// Listed in this order: ranked pilots first.
enum class Placing { Ranked, NoValidScore, Disqualified };

/// A standing with what orders it: whether it is ranked at all, its total, then its dropped
/// scores best first.
struct Entry {
    PilotStanding standing;
    Placing placing = Placing::Ranked;
    std::int64_t total = 0;
    std::vector<std::int64_t> dropped;
};

bool before(const Entry& a, const Entry& b) {
    if (a.placing != b.placing) {
        return a.placing < b.placing;
    }
    if (a.total != b.total) {
        return a.total > b.total;
    }
    if (a.dropped != b.dropped) {
        return a.dropped > b.dropped;
    }
    // The pilot's number only keeps the order the same however the cards were entered.
    return a.standing.pilot < b.standing.pilot;
}

Entry standingOf(int pilot, std::vector<PilotRound> rounds, const TableRules& rules,
                 int contestPenalty) {
    Entry entry;
    PilotStanding& standing = entry.standing;
    standing.pilot = pilot;
    std::vector<std::size_t> lowestFirst(rounds.size());
    std::iota(lowestFirst.begin(), lowestFirst.end(), std::size_t{0});
    std::ranges::stable_sort(lowestFirst, {}, [&rounds](std::size_t i) { return rounds[i].score; });
    const auto dropped = std::min(
        lowestFirst.size(),
        static_cast<std::size_t>(droppedFor(rules.dropped, static_cast<int>(rounds.size()))));
    for (std::size_t i = 0; i < dropped; ++i) {
        rounds[lowestFirst[i]].dropped = true;
    }
    int completed = 0;
    for (const PilotRound& round : rounds) {
        standing.total += round.dropped ? 0 : round.score;
        standing.penalty = plusPenalty(standing.penalty, round.penalty);
        standing.provisional = standing.provisional || round.provisional;
        completed += round.completed ? 1 : 0;
        if (round.dropped) {
            entry.dropped.push_back(comparable(round.score));
        }
    }
    standing.total -= standing.penalty;
    standing.valid = completed >= rules.minimumRounds;
    standing.disqualified = contestPenalty > rules.penaltyLimit;
    standing.rounds = std::move(rounds);
    entry.placing = standing.disqualified ? Placing::Disqualified
                    : standing.valid      ? Placing::Ranked
                                          : Placing::NoValidScore;
    entry.total = comparable(standing.total);
    std::ranges::sort(entry.dropped, std::greater{});
    return entry;
}

} // namespace

Standings rankPilots(const std::map<int, std::vector<PilotRound>>& rounds, const TableRules& rules,
                     const std::map<int, int>& contestPenalties) {
    std::vector<Entry> entries;
    entries.reserve(rounds.size());
    for (const auto& [pilot, scores] : rounds) {
        const auto penalty = contestPenalties.find(pilot);
        entries.push_back(standingOf(pilot, scores, rules,
                                     penalty == contestPenalties.end() ? 0 : penalty->second));
    }
    std::ranges::sort(entries, before);
    Standings standings;
    standings.pilots.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        PilotStanding& standing = entries[i].standing;
        if (entries[i].placing == Placing::Ranked) {
            // The ranked come first, so the one before is ranked too.
            const bool tied = i > 0 && entries[i - 1].total == entries[i].total &&
                              entries[i - 1].dropped == entries[i].dropped;
            standing.rank = tied ? standings.pilots.back().rank : static_cast<int>(i) + 1;
        }
        standings.provisional = standings.provisional || standing.provisional;
        standings.pilots.push_back(std::move(standing));
    }
    return standings;
}

std::int64_t comparable(double score) {
    return std::llround(score * kTieResolution);
}

} // namespace aerolap
