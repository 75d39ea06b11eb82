// The generated draw's rules over the sizes of contest it is made for, its repeatability, and
// withdrawals from generated and imported draws.
#include "draw/DrawGenerator.h"

#include "draw/Withdrawal.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace aerolap::testing {
namespace {

std::vector<DrawPilot> pilots(int count, int teamSize) {
    std::vector<DrawPilot> list;
    for (int i = 0; i < count; ++i) {
        list.push_back({"P" + std::to_string(i + 1),
                        teamSize > 0 ? "T" + std::to_string(i / teamSize + 1) : std::string(),
                        std::nullopt});
    }
    return list;
}

/// Fewest team-mates that must share a group in a round: each team dealt evenly over the groups.
int fewestTeamMatePairs(const Draw& draw, const std::vector<int>& flying, int groups) {
    std::map<std::string, int> teams;
    for (const int pilot : flying) {
        const std::string& team = draw.pilots[static_cast<std::size_t>(pilot)].team;
        teams[team] += team.empty() ? 0 : 1;
    }
    int pairs = 0;
    for (const auto& [team, size] : teams) {
        for (int group = 0; group < groups; ++group) {
            const int here = size / groups + (group < size % groups ? 1 : 0);
            pairs += here * (here - 1) / 2;
        }
    }
    return pairs;
}

/// The rules every drawn round keeps: each flying pilot once, groups within one pilot of each
/// other, the settings' number of groups, team-mates together only as often as they must be.
void expectRoundRules(const Draw& draw, std::size_t round, const std::vector<int>& flying) {
    const DrawnRound& groups = draw.rounds[round];
    SCOPED_TRACE("round " + std::to_string(round + 1));
    ASSERT_EQ(std::ssize(groups), groupCountFor(static_cast<int>(flying.size()), *draw.generation));
    std::vector<int> drawn;
    int teamMatePairs = 0;
    for (const DrawnGroup& group : groups) {
        drawn.insert(drawn.end(), group.begin(), group.end());
        for (std::size_t i = 0; i < group.size(); ++i) {
            for (std::size_t j = i + 1; j < group.size(); ++j) {
                const std::string& team = draw.pilots[static_cast<std::size_t>(group[i])].team;
                teamMatePairs +=
                    !team.empty() && team == draw.pilots[static_cast<std::size_t>(group[j])].team;
            }
        }
    }
    std::ranges::sort(drawn);
    EXPECT_EQ(drawn, flying);
    const auto [smallest, largest] = std::ranges::minmax(groups, {}, &DrawnGroup::size);
    EXPECT_LE(largest.size() - smallest.size(), 1U);
    EXPECT_EQ(teamMatePairs, fewestTeamMatePairs(draw, flying, static_cast<int>(groups.size())));
}

std::vector<int> everyone(const Draw& draw) {
    std::vector<int> all(draw.pilots.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        all[i] = static_cast<int>(i);
    }
    return all;
}

struct Field {
    const char* name;
    int pilots;
    int teamSize;
    DrawSettings settings;
    int rounds;
    /// The most and fewest meetings of two pilots differ by at most this. The aim is 2; between
    /// about 20 and 100 pilots the search ends at 3, at times 4 (bench_draw prints each size).
    int spread;
};

const Field kFields[] = {
    {"TenPilotsInTwoGroups", 10, 0, {0, 2, 3}, 15, 2},
    {"TwelvePilotsTeamsOfThree", 12, 3, {8, 0, 4}, 15, 2},
    {"FortyPilotsTeamsOfFour", 40, 4, {10, 0, 5}, 15, 4},
    {"SixtyPilotsInGroupsOfEight", 60, 0, {8, 0, 6}, 12, 3},
    {"HundredTwentyPilotsTeamsOfThree", 120, 3, {8, 0, 7}, 15, 2},
};

class GeneratedDraw : public ::testing::TestWithParam<Field> {};

TEST_P(GeneratedDraw, KeepsEveryRuleAndMeetingsEven) {
    const Field& field = GetParam();
    const Draw draw =
        generateDraw(pilots(field.pilots, field.teamSize), field.settings, field.rounds);
    ASSERT_EQ(std::ssize(draw.rounds), field.rounds);
    for (std::size_t round = 0; round < draw.rounds.size(); ++round) {
        expectRoundRules(draw, round, everyone(draw));
    }
    const Evenness even = evennessOf(draw);
    EXPECT_LE(even.spread(), field.spread)
        << "pairs meet " << even.fewest << " to " << even.most << " times";
}

INSTANTIATE_TEST_SUITE_P(Fields, GeneratedDraw, ::testing::ValuesIn(kFields),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(GeneratedDraw, IsTheSameForTheSameSeedAndAnotherForAnother) {
    const auto list = pilots(20, 0);
    const Draw first = generateDraw(list, {6, 0, 42}, 5);
    EXPECT_EQ(generateDraw(list, {6, 0, 42}, 5), first);
    EXPECT_NE(generateDraw(list, {6, 0, 43}, 5).rounds, first.rounds);
}

// A re-flight group added to a flown round stays; one of a round drawn again goes with it.
TEST(Withdrawal, DrawsTheRoundsNotFlownAgainAndKeepsTheFlownOnes) {
    Draw before = generateDraw(pilots(17, 0), {6, 0, 9}, 6);
    ASSERT_EQ(before.rounds[2].size(), 3U);
    before.rounds[1].push_back({0, 1});
    before.rounds[4].push_back({2, 3});
    before.reflightGroups = {0, 1, 0, 0, 1};
    // Round 3 is under way: group 1 has flown, group 2 is in the air.
    const Draw after = withdrawPilot(before, 4, {2, 2}, 6);
    EXPECT_EQ(after.pilots[4].withdrawnFrom, 3);
    for (std::size_t round : {0U, 1U}) {
        EXPECT_EQ(after.rounds[round], before.rounds[round]);
    }
    for (std::size_t group = 0; group < 3; ++group) {
        DrawnGroup expected = before.rounds[2][group];
        if (group == 2) {
            std::erase(expected, 4);
        }
        EXPECT_EQ(after.rounds[2][group], expected) << "group " << group + 1;
    }
    std::vector<int> flying = everyone(after);
    std::erase(flying, 4);
    for (std::size_t round = 3; round < 6; ++round) {
        expectRoundRules(after, round, flying);
    }
    // Sixteen pilots in groups of at most six: still three groups.
    EXPECT_EQ(after.rounds[5].size(), 3U);
    EXPECT_EQ(after.rounds[4].size(), 3U);
    EXPECT_EQ(after.reflightGroups, (std::vector<int>{0, 1, 0}));
}

TEST(Withdrawal, StrikesAPilotOutOfAnImportedDrawFromTheFirstOpenGroup) {
    Draw imported{pilots(4, 0), {{{0, 1}, {2, 3}}, {{0, 2}, {1, 3}}, {{0, 3}, {1, 2}}}, {}, {}};
    const Draw whole = withdrawPilot(imported, 0, {1, 0}, 3);
    EXPECT_EQ(whole.rounds[0], imported.rounds[0]);
    EXPECT_EQ(whole.rounds[1], (DrawnRound{{2}, {1, 3}}));
    EXPECT_EQ(whole.rounds[2], (DrawnRound{{3}, {1, 2}}));
    EXPECT_EQ(whole.pilots[0].withdrawnFrom, 1);
    const Draw partFlown = withdrawPilot(imported, 2, {1, 1}, 3);
    EXPECT_EQ(partFlown.rounds[1], imported.rounds[1]) << "flown in group 1 already";
    EXPECT_EQ(partFlown.rounds[2], (DrawnRound{{0, 3}, {1}}));
}

} // namespace
} // namespace aerolap::testing
