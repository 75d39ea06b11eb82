// From cards to round scores, standings and teams: normalisation, re-flights under both rules,
// the table of dropped rounds, penalties, ties, provisional marks, the fly-off and both team
// rules, each on a contest small enough to check by hand. The whole contest test holds the rest.
#include "scoring/Results.h"
#include "scoring/RulesListing.h"
#include "scoring/ScoreText.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

constexpr int kNoShow = -1;

Card flew(int pilot, int seconds) {
    if (seconds == kNoShow) {
        return {.pilot = pilot, .mark = CardMark::NoShow};
    }
    return {.pilot = pilot, .flights = {{.seconds = seconds}}};
}

/// Rounds of task N (the best flight counts, so a pilot's raw score is the flight), one confirmed
/// group each in which pilot p flies `seconds[round][p]`.
Contest contestOf(const std::vector<std::vector<int>>& seconds) {
    Contest contest;
    for (const std::vector<int>& round : seconds) {
        Group group{.confirmed = true};
        for (std::size_t pilot = 0; pilot < round.size(); ++pilot) {
            group.cards.push_back(flew(static_cast<int>(pilot), round[pilot]));
        }
        contest.rounds.push_back({*defaultRoundRules('N', 600, {}), {group}});
    }
    return contest;
}

const PilotStanding& standingOf(const Standings& standings, int pilot) {
    const auto found = std::ranges::find(standings.pilots, pilot, &PilotStanding::pilot);
    EXPECT_NE(found, standings.pilots.end()) << "pilot " << pilot;
    return *found;
}

std::vector<int> order(const Standings& standings) {
    std::vector<int> pilots;
    for (const PilotStanding& standing : standings.pilots) {
        pilots.push_back(standing.pilot);
    }
    return pilots;
}

std::vector<std::optional<int>> ranks(const Standings& standings) {
    std::vector<std::optional<int>> list;
    for (const PilotStanding& standing : standings.pilots) {
        list.push_back(standing.rank);
    }
    return list;
}

TEST(RoundScores, EachGroupsBestScores1000AndTheOthersTheirShare) {
    Contest contest;
    const auto lastFlight = [](int pilot, int seconds) {
        return Card{.pilot = pilot, .flights = {{.seconds = seconds}}};
    };
    contest.rounds.push_back({*defaultRoundRules('A', 600, {}),
                              {{{lastFlight(0, 300), lastFlight(1, 240), lastFlight(2, 0)}},
                               {{lastFlight(3, 100)}},
                               {{lastFlight(4, 0), lastFlight(5, 0)}}}});
    const Results results = scoreContest(contest);
    std::vector<double> scores;
    for (const GroupResult& group : results.rounds.at(0)) {
        for (const CardResult& card : group.cards) {
            scores.push_back(card.score);
        }
    }
    EXPECT_EQ(scores, (std::vector<double>{1000, 800, 0, 1000, 0, 0}));
}

TEST(RoundScores, AReflightStandsForItsPilotAndFillersKeepTheBetterOfTwo) {
    // The first group makes 666.7 and 333.3 of pilots 0 and 1; the re-flight group 500 and 1000.
    Contest contest = contestOf({{200, 100, 300}});
    Card granted = flew(0, 150);
    granted.grantedReflight = true;
    // Entered before the group it replaces: the order of the groups says nothing.
    auto& groups = contest.rounds[0].groups;
    groups.insert(groups.begin(), {{granted, flew(1, 300)}, true});

    const Standings byDefault = scoreContest(contest).standings;
    EXPECT_DOUBLE_EQ(standingOf(byDefault, 0).rounds[0].score, 500);
    EXPECT_DOUBLE_EQ(standingOf(byDefault, 1).rounds[0].score, 1000);

    contest.rules.reflight = ReflightRule::BetterOfTwoForEveryone;
    const Standings betterOfTwo = scoreContest(contest).standings;
    EXPECT_DOUBLE_EQ(betterOfTwo.pilots.at(0).rounds[0].score, 1000);
    EXPECT_NEAR(standingOf(betterOfTwo, 0).rounds[0].score, 666.667, 1e-3);
}

TEST(Standings, DropsTheLowestRoundsByTheTableAndKeepsTheirPenalties) {
    // Pilot 1 is best throughout; pilot 0 scores 1000, 800, 600, 400 and 200.
    Contest contest = contestOf({{500, 500}, {400, 500}, {300, 500}, {200, 500}, {100, 500}});
    contest.rounds[4].groups[0].cards[0].penalty = 100;
    const auto pilot0 = [&contest] { return standingOf(scoreContest(contest).standings, 0); };

    EXPECT_DOUBLE_EQ(pilot0().total, 1000 + 800 + 600 + 400 - 100);
    EXPECT_TRUE(pilot0().rounds[4].dropped);
    EXPECT_EQ(pilot0().rounds[4].penalty, 100);
    EXPECT_FALSE(pilot0().rounds[3].dropped);

    contest.rules.droppedRounds = {{3, 1}, {5, 2}};
    EXPECT_DOUBLE_EQ(pilot0().total, 1000 + 800 + 600 - 100);

    contest.rounds.pop_back();
    contest.rules.droppedRounds = {{5, 1}};
    EXPECT_DOUBLE_EQ(pilot0().total, 1000 + 800 + 600 + 400);
}

TEST(Standings, TiesGoToTheBestDroppedScoreThenTheNextThenStayShared) {
    // Pilot 4 is best in every round: each second flown scores 2 points. Pilots 0 and 1 tie on
    // the three rounds kept and on their best dropped round; pilots 2 and 3 tie on everything.
    Contest contest = contestOf({{400, 100, 300, 300, 500},
                                 {400, 400, 300, 300, 500},
                                 {400, 40, 300, 300, 500},
                                 {50, 400, 300, 300, 500},
                                 {100, 400, 300, 300, 500}});
    contest.rules.droppedRounds = {{5, 2}};
    const Standings standings = scoreContest(contest).standings;
    EXPECT_DOUBLE_EQ(standingOf(standings, 0).total, standingOf(standings, 1).total);
    EXPECT_EQ(order(standings), (std::vector{4, 0, 1, 2, 3}));
    EXPECT_EQ(ranks(standings), (std::vector<std::optional<int>>{1, 2, 3, 4, 4}));
}

TEST(Standings, AGroupNotConfirmedMarksAllItFeeds) {
    Contest contest = contestOf({{500, 400}, {500, 400}, {500, 400}});
    contest.rounds[1].groups.push_back({{flew(2, 300)}, false});
    contest.teams = {{"Unconfirmed", {{2}, {0}}}, {"Confirmed", {{1}}}};
    const Results results = scoreContest(contest);
    EXPECT_TRUE(results.rounds[1][1].provisional);
    EXPECT_FALSE(results.rounds[1][0].provisional);
    EXPECT_TRUE(standingOf(results.standings, 2).rounds[1].provisional);
    EXPECT_TRUE(standingOf(results.standings, 2).provisional);
    EXPECT_FALSE(standingOf(results.standings, 0).provisional);
    EXPECT_TRUE(results.standings.provisional);
    EXPECT_TRUE(results.teams.at(0).provisional);
    EXPECT_FALSE(results.teams.at(1).provisional);

    contest.rounds[1].groups[1].confirmed = true;
    EXPECT_FALSE(scoreContest(contest).standings.provisional);
}

TEST(Standings, TheFlyOffIsScoredOnItsOwnWithItsOwnDroppedRounds) {
    Contest contest = contestOf({{500, 100}, {500, 100}, {500, 100}});
    const Contest flyOff = contestOf({{100, 500}, {100, 500}, {100, 500}, {100, 500}, {500, 100}});
    for (Round round : flyOff.rounds) {
        round.flyOff = true;
        contest.rounds.push_back(round);
    }
    contest.rounds[3].groups[0].cards[1].penalty = 100;
    const Results results = scoreContest(contest);
    EXPECT_DOUBLE_EQ(standingOf(results.standings, 0).total, 3000);
    EXPECT_DOUBLE_EQ(standingOf(results.standings, 1).total, 600);
    EXPECT_EQ(order(results.flyOff), (std::vector{1, 0}));
    EXPECT_DOUBLE_EQ(standingOf(results.flyOff, 1).total, 4000 - 100);
    EXPECT_DOUBLE_EQ(standingOf(results.flyOff, 0).total, 1000 + 3 * 200);
    EXPECT_EQ(standingOf(results.flyOff, 1).rounds.at(0).round, 3);
}

TEST(Teams, CountTheNominatedMembersOrTheBestByTheRule) {
    // Totals 3000, 1500, 900, 2400; pilot 4 has too few rounds for a score.
    Contest contest = contestOf(
        {{500, 250, 150, 400, 500}, {500, 250, 150, 400, kNoShow}, {500, 250, 150, 400, kNoShow}});
    contest.teams = {
        {"Red", {{0}, {1}, {2}, {3, false}}}, {"Blue", {{3}, {4}}}, {"Green", {{4}, {3}}}};
    std::vector<TeamStanding> teams = scoreContest(contest).teams;
    EXPECT_EQ(teams.at(0).name, "Red");
    EXPECT_DOUBLE_EQ(teams[0].total, 3000 + 1500 + 900);
    EXPECT_DOUBLE_EQ(teams[1].total, 2400);

    contest.rules.team = TeamRule::BestMembers;
    teams = scoreContest(contest).teams;
    EXPECT_EQ(teams[0].counted, (std::vector{0, 3, 1}));
    EXPECT_DOUBLE_EQ(teams[0].total, 3000 + 2400 + 1500);
    EXPECT_EQ(teams[1].rank, 2);
    EXPECT_EQ(teams[2].rank, 2);
}

TEST(Settings, TheResultsListEveryRuleAsSet) {
    ContestRules rules;
    EXPECT_EQ(settingsOf(rules),
              (std::vector<Setting>{
                  {"Rounds dropped", "1 from 5 rounds, 2 from 9 rounds, 3 from 14 rounds, "
                                     "4 from 19 rounds, 5 from 24 rounds"},
                  {"Completed rounds for a final score", "3"},
                  {"Penalty points that disqualify", "over 300"},
                  {"Re-flight", "the re-flown pilot takes the re-flight's score, the others in "
                                "its group the better of their two"},
                  {"Team result", "the sum of 3 nominated members' totals"},
                  {"Fly-off rounds dropped", "1 from 5 rounds"},
                  {"Poker targets counted", "at most 3"},
                  {"Task D", "two flights"}}));
    rules.team = TeamRule::BestMembers;
    rules.taskD = TaskDForm::Ladder;
    EXPECT_EQ(settingsOf(rules)[4].value, "the sum of the best 3 members' totals");
    EXPECT_EQ(settingsOf(rules)[7].value, "ladder of 30 s to 120 s in order");

    EXPECT_EQ(settingsOf(*defaultRoundRules('B', 420, {})),
              (std::vector<Setting>{{"Task", "B"},
                                    {"Working time", "7:00"},
                                    {"Counted", "the last 2 flights"},
                                    {"Flights allowed", "any number"},
                                    {"Most a flight counts", "3:00"}}));
    const std::vector<Setting> taskH = settingsOf(*defaultRoundRules('H', 600, {}));
    EXPECT_EQ(taskH.back(), (Setting{"Targets", "1:00, 2:00, 3:00, 4:00"}));
}

// Each name and each phrase goes through the reader's phrasebook, counts with it, and the
// numbers it leaves a place for are put in that place.
TEST(Settings, EveryTextOfTheListingIsSaidThroughThePhrasebook) {
    const Phrasebook marked = [](const char* text, int count) {
        return "[" + std::string(text) + (count >= 0 ? "#" + std::to_string(count) : "") + "]";
    };
    EXPECT_EQ(settingsOf(*defaultRoundRules('B', 420, {}), marked),
              (std::vector<Setting>{{"[Task]", "B"},
                                    {"[Working time]", "7:00"},
                                    {"[Counted]", "[the last %n flight(s)#2]"},
                                    {"[Flights allowed]", "[any number]"},
                                    {"[Most a flight counts]", "3:00"}}));
    const std::vector<Setting> contest = settingsOf(ContestRules{}, marked);
    EXPECT_EQ(contest[0].value.substr(0, 44), "[1 from %n rounds#5], [2 from %n rounds#9], ");
    EXPECT_EQ(contest[2], (Setting{"[Penalty points that disqualify]", "[over 300]"}));
    EXPECT_EQ(inEnglish("the last %n flight(s)", 1), "the last 1 flight");
}

TEST(Settings, ScoresAreShownToOneDecimal) {
    EXPECT_EQ(shownScore(666.6666), "666.7");
    EXPECT_EQ(shownScore(999.96), "1000.0");
}

} // namespace
} // namespace aerolap::testing
