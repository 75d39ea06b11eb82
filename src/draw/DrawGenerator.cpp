#include "DrawGenerator.h"

#include "DrawRandom.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <tuple>

namespace aerolap {

namespace {

using Cost = std::int64_t;

// Two pilots of one team in a group cost more than any spread of meetings could.
constexpr Cost kSameTeam = Cost{1} << 40;
// One meeting away from the average costs this much; a count outside the band of three around it
// costs kOutside times the square of its distance from the band on top.
constexpr Cost kScale = 1000;
constexpr double kOutside = 1;
// Moves tried per pilot and round, over this many steps of temperature, each 2^(-1/8) of the one
// before: from one meeting cost down to a 256th of that.
constexpr std::int64_t kMovesPerPilotRound = 1000;
constexpr int kTemperatureSteps = 64;
constexpr int kAttempts = 2;
constexpr double kHottest = 1.0 * kScale;

/// Draws the rounds from `first` on: each round dealt with team-mates spread over the groups, then
/// two pilots of different groups of one round swapped, again and again, by simulated annealing:
/// a swap that helps is taken, one that makes the contest worse sometimes, less and less often
/// as the search cools.
class Generator {
public:
    Generator(Draw& draw, int first, int rounds, int bandBelow, int attempt)
        : m_draw(draw), m_first(first), m_rounds(rounds), m_bandBelow(bandBelow),
          m_random(draw.generation->seed ^ (static_cast<std::uint64_t>(first) << 32U) ^
                   (static_cast<std::uint64_t>(attempt) << 48U)),
          m_meetings(draw.pilots.size(), std::vector<int>(draw.pilots.size(), 0)) {
        std::map<std::string, int> teams;
        for (const DrawPilot& pilot : draw.pilots) {
            // Pilots of no team are each a team of their own.
            m_team.push_back(
                pilot.team.empty()
                    ? -1 - static_cast<int>(m_team.size())
                    : teams.try_emplace(pilot.team, static_cast<int>(teams.size())).first->second);
        }
        m_draw.rounds.resize(static_cast<std::size_t>(rounds));
        for (int round = 0; round < rounds; ++round) {
            if (round >= first) {
                deal(round);
            }
            for (const DrawnGroup& group : m_draw.rounds[static_cast<std::size_t>(round)]) {
                for (const int a : group) {
                    for (const int b : group) {
                        m_meetings[index(a)][index(b)] += a != b ? 1 : 0;
                    }
                }
            }
        }
    }

    void search() {
        std::int64_t pilotRounds = 0;
        for (int round = m_first; round < m_rounds; ++round) {
            pilotRounds += static_cast<std::int64_t>(flyingIn(round).size());
        }
        priceMeetings();
        const std::int64_t moves = pilotRounds * kMovesPerPilotRound;
        // 2^(-1/8), by square roots, which round the same everywhere.
        const double cooling = std::sqrt(std::sqrt(std::sqrt(0.5)));
        double temperature = kHottest;
        for (int step = 0; step < kTemperatureSteps; ++step) {
            for (std::int64_t move = 0; move < moves / kTemperatureSteps; ++move) {
                tryMove(temperature);
            }
            temperature *= cooling;
        }
        for (int round = m_first; round < m_rounds; ++round) {
            for (DrawnGroup& group : m_draw.rounds[static_cast<std::size_t>(round)]) {
                std::ranges::sort(group);
            }
        }
    }

private:
    static std::size_t index(int pilot) { return static_cast<std::size_t>(pilot); }

    std::vector<int> flyingIn(int round) const {
        std::vector<int> pilots;
        for (std::size_t p = 0; p < m_draw.pilots.size(); ++p) {
            const auto& withdrawn = m_draw.pilots[p].withdrawnFrom;
            if (!withdrawn || *withdrawn > round) {
                pilots.push_back(static_cast<int>(p));
            }
        }
        return pilots;
    }

    /// Team by team in a random order, each team's pilots shuffled, dealt in turn into the
    /// groups: sizes differ by at most one and a team shares a group only when it must.
    void deal(int round) {
        std::vector<int> pilots = flyingIn(round);
        m_random.shuffle(pilots);
        std::map<std::string, std::uint64_t> teamOrder;
        for (const int pilot : pilots) {
            teamOrder.try_emplace(m_draw.pilots[index(pilot)].team, m_random.next());
        }
        std::ranges::stable_sort(pilots, {}, [&](int pilot) {
            const std::string& team = m_draw.pilots[index(pilot)].team;
            // Pilots of no team are each a team of their own, so they may go anywhere.
            return team.empty() ? std::uint64_t{0} : teamOrder[team];
        });
        const int groups = groupCountFor(static_cast<int>(pilots.size()), *m_draw.generation);
        DrawnRound& drawn = m_draw.rounds[static_cast<std::size_t>(round)];
        drawn.assign(static_cast<std::size_t>(groups), {});
        for (std::size_t i = 0; i < pilots.size(); ++i) {
            drawn[i % drawn.size()].push_back(pilots[i]);
        }
    }

    /// What `times` meetings of two pilots cost: the square of how far they are from the average,
    /// and as much again for each count outside the band of three around it, so that the
    /// most-met and the fewest-met pairs are drawn in alike.
    void priceMeetings() {
        std::int64_t sum = 0;
        std::int64_t pairs = 0;
        for (std::size_t a = 0; a < m_team.size(); ++a) {
            for (std::size_t b = a + 1; b < m_team.size(); ++b) {
                if (m_team[a] != m_team[b]) {
                    sum += m_meetings[a][b];
                    ++pairs;
                }
            }
        }
        const double average =
            pairs > 0 ? static_cast<double>(sum) / static_cast<double>(pairs) : 0;
        m_meetingsCost.clear();
        for (int times = 0; times <= m_rounds + 1; ++times) {
            // Evenly spread, close to the average; far more for each step outside the band of
            // three counts around it, which is what the spread is judged by.
            const double off = static_cast<double>(times) - average;
            const double lowest = std::floor(average) - m_bandBelow;
            const double outside = std::max({0.0, lowest - times, times - (lowest + 2)});
            const double cost =
                static_cast<double>(kScale) * (off * off + kOutside * outside * outside);
            m_meetingsCost.push_back(static_cast<Cost>(cost));
        }
    }

    /// What one more (`step` +1) or one fewer (-1) meeting of `a` and `b` changes.
    Cost change(int a, int b, int step) const {
        const auto times = static_cast<std::size_t>(m_meetings[index(a)][index(b)]);
        if (m_team[index(a)] == m_team[index(b)]) {
            return step * kSameTeam;
        }
        return m_meetingsCost[step > 0 ? times + 1 : times - 1] - m_meetingsCost[times];
    }

    void meet(int a, int b, int step) {
        m_meetings[index(a)][index(b)] += step;
        m_meetings[index(b)][index(a)] += step;
    }

    void tryMove(double temperature) {
        const auto round = static_cast<std::size_t>(m_first) +
                           m_random.below(static_cast<std::size_t>(m_rounds - m_first));
        DrawnRound& groups = m_draw.rounds[round];
        if (groups.size() < 2) {
            return;
        }
        const std::size_t ga = m_random.below(groups.size());
        std::size_t gb = m_random.below(groups.size() - 1);
        gb += gb >= ga ? 1 : 0;
        DrawnGroup& one = groups[ga];
        DrawnGroup& other = groups[gb];
        if (one.empty() || other.empty()) {
            return;
        }
        int& a = one[m_random.below(one.size())];
        int& b = other[m_random.below(other.size())];
        Cost delta = 0;
        for (const int x : one) {
            delta += x == a ? 0 : change(b, x, +1) + change(a, x, -1);
        }
        for (const int y : other) {
            delta += y == b ? 0 : change(a, y, +1) + change(b, y, -1);
        }
        if (delta > 0 && static_cast<double>(delta) > temperature * m_random.exponential()) {
            return;
        }
        for (const int x : one) {
            if (x != a) {
                meet(a, x, -1);
                meet(b, x, +1);
            }
        }
        for (const int y : other) {
            if (y != b) {
                meet(b, y, -1);
                meet(a, y, +1);
            }
        }
        std::swap(a, b);
    }

    Draw& m_draw;
    int m_first;
    int m_rounds;
    int m_bandBelow;
    DrawRandom m_random;
    std::vector<std::vector<int>> m_meetings;
    std::vector<int> m_team;
    std::vector<Cost> m_meetingsCost;
};

} // namespace

int groupCountFor(int pilots, const DrawSettings& settings) {
    const int groups = settings.groups > 0 ? settings.groups
                       : settings.groupSize > 0
                           ? (pilots + settings.groupSize - 1) / settings.groupSize
                           : 1;
    return std::clamp(groups, 1, std::max(pilots, 1));
}

Draw generateDraw(std::vector<DrawPilot> pilots, const DrawSettings& settings, int rounds) {
    return redrawFrom(Draw{std::move(pilots), {}, settings, {}}, 0, rounds);
}

Draw redrawFrom(Draw draw, int firstRound, int rounds) {
    if (!draw.generation || draw.pilots.empty() || rounds < 1) {
        return draw;
    }
    // The band of three counts either starts one below the average's whole part or at it; which
    // of the two a draw can keep to depends on the numbers, so both are tried, each from a few
    // starts, and the evenest draw is kept.
    std::optional<Draw> best;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        Draw tried = draw;
        Generator(tried, std::clamp(firstRound, 0, rounds), rounds, attempt % 2, attempt).search();
        if (!best || evennessOf(tried).spread() < evennessOf(*best).spread()) {
            best = std::move(tried);
        }
    }
    // The rounds drawn again have none of the re-flight groups added to them.
    if (std::ssize(best->reflightGroups) > firstRound) {
        best->reflightGroups.resize(static_cast<std::size_t>(std::max(firstRound, 0)));
    }
    return std::move(*best);
}

} // namespace aerolap
