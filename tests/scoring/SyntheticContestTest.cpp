// A whole contest of 40 pilots over 10 rounds of mixed tasks (a poker and an all-up round among
// them) with a re-flight, penalties, a no-show, an unsigned card, ties and teams, scored again
// here straight from the rules and compared; and what must hold whatever the cards say.
#include "scoring/Results.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <random>

namespace aerolap::testing {
namespace {

constexpr int kPilots = 40;
constexpr int kGroups = 4;
constexpr double kTolerance = 1e-6;

/// A round's task and how many flights its pilots make, one or two more than count at times.
struct TaskOfRound {
    char task;
    int working;
    int fewestFlights;
    int mostFlights;
};
constexpr TaskOfRound kRounds[] = {
    {'A', 420, 1, 3}, {'B', 600, 2, 4}, {'C', 183, 3, 3}, {'E', 600, 3, 6}, {'F', 600, 3, 7},
    {'H', 600, 4, 6}, {'I', 600, 3, 5}, {'J', 600, 3, 5}, {'K', 600, 5, 5}, {'M', 900, 3, 3}};
constexpr int kReflightRound = 4;
constexpr int kLastRound = 9;

class Cards {
public:
    int between(int low, int high) {
        return low + static_cast<int>(m_random() % static_cast<unsigned>(high - low + 1));
    }

    /// Flights as a pilot of the task might fly them; a strong pilot flies long and reaches
    /// every target, without a second past the working time.
    std::vector<Flight> flights(TaskOfRound round, bool strong) {
        const int count = between(round.fewestFlights, round.mostFlights);
        std::vector<Flight> flights;
        for (int i = 0; i < count; ++i) {
            Flight flight{.seconds = strong ? between(150, std::min(330, round.working))
                                            : between(5, std::min(330, round.working))};
            if (round.task == 'E') {
                flight.target = strong ? 120 : between(2, 6) * 30;
            } else if (!strong && between(0, 7) == 0) {
                flight.afterWorkingTime = between(0, flight.seconds);
            } else if (!strong && between(0, 7) == 0) {
                flight.launchedAt = between(0, round.working);
            }
            flights.push_back(flight);
        }
        return flights;
    }

private:
    std::mt19937 m_random{20260607};
};

Card& cardOf(Contest& contest, int round, int pilot) {
    for (Group& group : contest.rounds[static_cast<std::size_t>(round)].groups) {
        for (Card& card : group.cards) {
            if (card.pilot == pilot) {
                return card;
            }
        }
    }
    throw std::out_of_range("no card");
}

/// Pilots fly in pairs (0 and 1, 2 and 3, ...) that meet other pairs in a new order each round.
Contest syntheticContest() {
    Cards cards;
    Contest contest;
    contest.pilots = kPilots;
    for (int r = 0; r <= kLastRound; ++r) {
        const TaskOfRound task = kRounds[r];
        Round& round = contest.rounds.emplace_back(*defaultRoundRules(task.task, task.working, {}));
        round.groups.resize(kGroups, Group{.confirmed = true});
        for (int pilot = 0; pilot < kPilots; ++pilot) {
            const auto group = static_cast<std::size_t>(((pilot / 2) * 7 + r * 3) % 20 / 5);
            round.groups[group].cards.push_back({pilot, cards.flights(task, pilot == 0)});
        }
    }
    for (int r = 0; r <= kLastRound; ++r) {
        // Pilots 0 and 1 fly alike but for their two worst rounds; 2 and 3 alike throughout.
        cardOf(contest, r, 1).flights = cardOf(contest, r, 0).flights;
        cardOf(contest, r, 3).flights = cardOf(contest, r, 2).flights;
    }
    cardOf(contest, 0, 0).flights = {{.seconds = 4}};
    cardOf(contest, 0, 1).flights = {{.seconds = 3}};
    cardOf(contest, 7, 0).flights = {{.seconds = 1}};
    cardOf(contest, 7, 1).flights = {{.seconds = 2}};
    Group reflight{.confirmed = true};
    for (const int pilot : {10, 20, 31}) {
        reflight.cards.push_back({pilot, cards.flights(kRounds[kReflightRound], false)});
    }
    // Pilot 10's re-flight goes worse than the flight it replaces, and still stands.
    reflight.cards[0].flights = {{.seconds = 20}};
    reflight.cards[0].grantedReflight = true;
    contest.rounds[kReflightRound].groups.push_back(reflight);
    // Pilot 5 reaches the penalty limit, pilot 7 goes over it.
    cardOf(contest, 2, 5).penalty = 100;
    cardOf(contest, 6, 5).penalty = 200;
    cardOf(contest, 8, 6) = {.pilot = 6, .penalty = 100, .mark = CardMark::NoShow};
    cardOf(contest, 1, 7).penalty = 200;
    cardOf(contest, 3, 7).penalty = 150;
    cardOf(contest, 5, 8).mark = CardMark::Unsigned;
    for (int r = 0; r < 8; ++r) {
        cardOf(contest, r, 9).mark = CardMark::NoShow;
    }
    contest.rounds[kLastRound].groups[3].confirmed = false;
    for (int team = 0; team < kPilots / 4; ++team) {
        contest.teams.push_back(
            {"Team " + std::to_string(team),
             {{4 * team}, {4 * team + 1}, {4 * team + 2}, {4 * team + 3, false}}});
    }
    return contest;
}

// --- The contest scored again from the rules -------------------------------------------------

int sum(const std::vector<int>& values) {
    return std::accumulate(values.begin(), values.end(), 0);
}

std::vector<int> capped(std::vector<int> times, int cap) {
    for (int& time : times) {
        time = std::min(time, cap);
    }
    return times;
}

std::vector<int> last(const std::vector<int>& times, std::size_t count) {
    return {times.end() - static_cast<std::ptrdiff_t>(std::min(count, times.size())), times.end()};
}

std::vector<int> first(std::vector<int> times, std::size_t count) {
    times.resize(std::min(count, times.size()));
    return times;
}

std::vector<int> longest(std::vector<int> times, std::size_t count) {
    std::ranges::sort(times, std::greater{});
    return first(times, count);
}

int ladder(const std::vector<int>& times, const std::vector<int>& targets) {
    int total = 0;
    for (std::size_t i = 0; i < std::min(times.size(), targets.size()); ++i) {
        total += std::min(times[i], targets[i]);
    }
    return total;
}

int expectedRaw(TaskOfRound round, const Card& card) {
    if (card.mark != CardMark::Signed) {
        return 0;
    }
    std::vector<int> t;
    for (const Flight& flight : card.flights) {
        const int end = round.working - flight.launchedAt.value_or(0);
        t.push_back(std::max(0, std::min(flight.seconds - flight.afterWorkingTime, end)));
    }
    switch (round.task) {
    case 'A':
        return sum(last(capped(t, 300), 1));
    case 'B':
        return sum(last(capped(t, 240), 2));
    case 'C':
        return sum(capped(first(t, 3), 180));
    case 'E': {
        int total = 0;
        int reached = 0;
        for (std::size_t i = 0; i < t.size(); ++i) {
            const int target = card.flights[i].target;
            if (reached < 3 && t[i] >= target) {
                total += target;
                ++reached;
            }
        }
        return total;
    }
    case 'F':
        return sum(longest(capped(first(t, 6), 180), 3));
    case 'H': {
        // Every order of the flights against 1, 2, 3 and 4 minutes: the best is the score.
        std::ranges::sort(t);
        int best = 0;
        do {
            best = std::max(best, ladder(t, {60, 120, 180, 240}));
        } while (std::ranges::next_permutation(t).found);
        return best;
    }
    case 'I':
        return sum(longest(capped(t, 200), 3));
    case 'J':
        return sum(last(capped(t, 180), 3));
    case 'K':
        return ladder(t, {60, 90, 120, 150, 180});
    default:
        return ladder(t, {180, 300, 420});
    }
}

struct Expected {
    double total = 0;
    int penalty = 0;
    int completed = 0;
    bool provisional = false;
    std::vector<double> scores;
    std::vector<double> dropped;
    bool ranked() const { return completed >= 3 && penalty <= 300; }
};

std::map<int, Expected> expectedStandings(const Contest& contest) {
    std::map<int, Expected> pilots;
    for (std::size_t r = 0; r < contest.rounds.size(); ++r) {
        std::map<int, double> score;
        std::map<int, bool> reflown;
        for (const Group& group : contest.rounds[r].groups) {
            int best = 0;
            for (const Card& card : group.cards) {
                best = std::max(best, expectedRaw(kRounds[r], card));
            }
            for (const Card& card : group.cards) {
                const double share = best ? 1000.0 * expectedRaw(kRounds[r], card) / best : 0;
                Expected& pilot = pilots[card.pilot];
                if (card.grantedReflight) {
                    score[card.pilot] = share;
                    reflown[card.pilot] = true;
                } else if (!reflown[card.pilot]) {
                    score[card.pilot] = std::max(score[card.pilot], share);
                }
                pilot.penalty += card.penalty;
                pilot.completed += card.mark != CardMark::NoShow;
                pilot.provisional = pilot.provisional || !group.confirmed;
            }
        }
        for (const auto& [pilot, share] : score) {
            pilots[pilot].scores.push_back(share);
        }
    }
    for (auto& [pilot, expected] : pilots) {
        std::ranges::sort(expected.scores);
        // Ten rounds: the two lowest go.
        expected.dropped = {expected.scores[1], expected.scores[0]};
        for (std::size_t i = 2; i < expected.scores.size(); ++i) {
            expected.total += expected.scores[i];
        }
        expected.total -= expected.penalty;
    }
    return pilots;
}

/// Whether `a` places above `b`: a higher total, or the same and a better dropped score.
bool beats(const Expected& a, const Expected& b) {
    if (std::abs(a.total - b.total) > kTolerance) {
        return a.total > b.total;
    }
    for (std::size_t i = 0; i < a.dropped.size(); ++i) {
        if (std::abs(a.dropped[i] - b.dropped[i]) > kTolerance) {
            return a.dropped[i] > b.dropped[i];
        }
    }
    return false;
}

class SyntheticContest : public ::testing::Test {
protected:
    Contest m_contest = syntheticContest();
    Results m_results = scoreContest(m_contest);
    std::map<int, Expected> m_expected = expectedStandings(m_contest);
};

TEST_F(SyntheticContest, StandingsAgreeWithTheRules) {
    ASSERT_EQ(m_results.standings.pilots.size(), std::size_t{kPilots});
    const auto ranked =
        std::ranges::count_if(m_expected, [](const auto& p) { return p.second.ranked(); });
    int listed = 0;
    for (const PilotStanding& standing : m_results.standings.pilots) {
        SCOPED_TRACE("pilot " + std::to_string(standing.pilot));
        const Expected& expected = m_expected.at(standing.pilot);
        EXPECT_NEAR(standing.total, expected.total, kTolerance);
        EXPECT_EQ(standing.penalty, expected.penalty);
        EXPECT_EQ(standing.provisional, expected.provisional);
        int rank = 1;
        for (const auto& [other, them] : m_expected) {
            rank += them.ranked() && beats(them, expected);
        }
        EXPECT_EQ(standing.rank, expected.ranked() ? std::optional(rank) : std::nullopt);
        // Ranked pilots come first, best first.
        EXPECT_EQ(expected.ranked(), listed++ < ranked);
    }
    const std::vector<PilotStanding>& pilots = m_results.standings.pilots;
    EXPECT_TRUE(std::ranges::is_sorted(pilots.begin(), pilots.begin() + ranked, {},
                                       [](const PilotStanding& p) { return *p.rank; }));
    // Pilot 9 has too few rounds, pilot 7 too many penalty points.
    EXPECT_EQ(pilots.back().pilot, 7);
    EXPECT_EQ(pilots.end()[-2].pilot, 9);
}

TEST_F(SyntheticContest, ItsTiesAreBrokenByTheDroppedScoresOrShared) {
    const auto rankOf = [this](int pilot) {
        return std::ranges::find(m_results.standings.pilots, pilot, &PilotStanding::pilot)->rank;
    };
    EXPECT_NEAR(m_expected[0].total, m_expected[1].total, kTolerance);
    EXPECT_NE(rankOf(0), rankOf(1));
    EXPECT_EQ(rankOf(2), rankOf(3));
}

TEST_F(SyntheticContest, TeamsAgreeWithTheRules) {
    for (const TeamStanding& team : m_results.teams) {
        SCOPED_TRACE(team.name);
        const int firstMember = 4 * std::stoi(team.name.substr(5));
        double total = 0;
        for (int pilot = firstMember; pilot < firstMember + 3; ++pilot) {
            total += m_expected[pilot].ranked() ? m_expected[pilot].total : 0;
        }
        EXPECT_NEAR(team.total, total, kTolerance);
        int rank = 1;
        for (const TeamStanding& other : m_results.teams) {
            rank += other.total > team.total + kTolerance;
        }
        EXPECT_EQ(team.rank, rank);
    }
}

TEST_F(SyntheticContest, TheBestOfEachGroupScores1000) {
    for (const std::vector<GroupResult>& round : m_results.rounds) {
        for (const GroupResult& group : round) {
            EXPECT_EQ(std::ranges::max(group.cards, {}, &CardResult::score).score, 1000);
        }
    }
}

TEST_F(SyntheticContest, TheOrderOfEntryChangesNothing) {
    std::mt19937 random(7);
    for (Round& round : m_contest.rounds) {
        std::ranges::shuffle(round.groups, random);
        for (Group& group : round.groups) {
            std::ranges::shuffle(group.cards, random);
        }
    }
    for (Team& team : m_contest.teams) {
        std::ranges::shuffle(team.members, random);
    }
    std::ranges::shuffle(m_contest.teams, random);
    const Results shuffled = scoreContest(m_contest);
    ASSERT_EQ(shuffled.standings.pilots.size(), m_results.standings.pilots.size());
    for (std::size_t i = 0; i < shuffled.standings.pilots.size(); ++i) {
        EXPECT_EQ(shuffled.standings.pilots[i].pilot, m_results.standings.pilots[i].pilot);
        EXPECT_EQ(shuffled.standings.pilots[i].total, m_results.standings.pilots[i].total);
        EXPECT_EQ(shuffled.standings.pilots[i].rank, m_results.standings.pilots[i].rank);
    }
    for (std::size_t i = 0; i < shuffled.teams.size(); ++i) {
        EXPECT_EQ(shuffled.teams[i].name, m_results.teams[i].name);
        EXPECT_EQ(shuffled.teams[i].total, m_results.teams[i].total);
    }
}

} // namespace
} // namespace aerolap::testing
