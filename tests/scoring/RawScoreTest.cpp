// Each task's counting rule and caps under its usual settings, the worked examples of the rules,
// and what a flight counts at the end of the working time.
#include "scoring/RawScore.h"

#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

struct RawRow {
    const char* name;
    char task;
    int working;
    std::vector<Flight> flights;
    int raw;
    CardMark mark = CardMark::Signed;
    ContestRules contest = {};
    friend void PrintTo(const RawRow& row, std::ostream* out) { *out << row.name; }
};

Flight poker(int target, int seconds) {
    return {seconds, std::nullopt, 0, target};
}

const RawRow kRows[] = {
    {"A_LastFlightNotTheLongest", 'A', 420, {{280}, {100}}, 100},
    {"A_CappedAt5Minutes", 'A', 600, {{100}, {350}}, 300},
    {"B_WorkedExample", 'B', 600, {{70}, {270}, {125}, {239}}, 364},
    {"B_7MinutesCapsAt3Minutes", 'B', 420, {{200}, {190}}, 360},
    {"C_EveryFlightCappedAt3Minutes", 'C', 183, {{183}, {100}, {170}}, 450},
    {"C_FlightsBeyondTheRoundsNumberDoNotCount", 'C', 183, {{100}, {100}, {100}, {100}}, 300},
    {"D_TwoFlightsCappedAt5Minutes", 'D', 600, {{310}, {200}, {250}}, 500},
    {"D_OlderLadderInOrder",
     'D',
     600,
     {{40}, {40}, {40}, {80}, {90}, {100}, {130}},
     30 + 40 + 40 + 75 + 90 + 100 + 120,
     CardMark::Signed,
     {.taskD = TaskDForm::Ladder}},
    {"E_ReachedTargetsCountWholeUpTo3",
     'E',
     600,
     {poker(60, 65), poker(120, 100), poker(120, 120), poker(180, 200), poker(30, 40)},
     60 + 120 + 180},
    {"E_AFlightWithNoTargetNamedScoresNothing",
     'E',
     600,
     {{.seconds = 300}, poker(60, 65), poker(120, 130), poker(180, 200)},
     60 + 120 + 180},
    {"E_UpTo5TargetsInThatEdition",
     'E',
     900,
     {poker(60, 65), poker(120, 100), poker(120, 120), poker(180, 200), poker(30, 40)},
     60 + 120 + 180 + 30,
     CardMark::Signed,
     {.pokerTargets = 5}},
    {"F_WorkedExample", 'F', 600, {{120}, {200}, {60}, {170}, {40}}, 470},
    {"F_SeventhLaunchDoesNotCount", 'F', 600, {{10}, {10}, {10}, {10}, {10}, {10}, {180}}, 30},
    {"G_FiveLongestCappedAt2Minutes", 'G', 600, {{130}, {100}, {90}, {80}, {70}, {60}}, 460},
    {"H_WorkedExample", 'H', 600, {{45}, {150}, {110}, {190}, {30}}, 495},
    {"H_LongFlightsMatchLongTargets", 'H', 600, {{250}, {50}, {250}, {50}}, 240 + 180 + 50 + 50},
    {"I_ThreeLongestCappedAt200", 'I', 600, {{210}, {150}, {100}, {90}}, 450},
    {"J_LastThreeCappedAt3Minutes", 'J', 600, {{200}, {50}, {100}, {190}}, 330},
    {"K_LadderInTheOrderFlown", 'K', 600, {{70}, {80}, {130}, {150}, {170}}, 580},
    {"K_StepsNotFlownScoreNothing", 'K', 600, {{70}, {95}}, 150},
    {"L_OnlyTheOneLaunch", 'L', 600, {{400}, {500}}, 400},
    {"M_HugeLadderInOrder", 'M', 900, {{200}, {250}, {500}}, 180 + 250 + 420},
    {"N_BestFlightCappedAt599", 'N', 600, {{100}, {600}, {200}}, 599},
    {"EndOfWorkingTimeFromTheLaunch", 'A', 420, {{200, 300}}, 120},
    {"SecondsNotedAfterTheEnd", 'A', 420, {{250, std::nullopt, 30}}, 220},
    {"NeverMoreThanTheWorkingTime", 'L', 300, {{400}}, 300},
    {"UnsignedCardScoresNothing", 'A', 420, {{250}}, 0, CardMark::Unsigned},
    {"NoShowScoresNothing", 'A', 420, {}, 0, CardMark::NoShow},
};

class RawScore : public ::testing::TestWithParam<RawRow> {};

TEST_P(RawScore, CountsTheTasksFlights) {
    const RawRow& row = GetParam();
    const std::optional<RoundRules> rules = defaultRoundRules(row.task, row.working, row.contest);
    ASSERT_TRUE(rules);
    EXPECT_EQ(rawScore({0, row.flights, 0, row.mark, false}, *rules), row.raw);
}

INSTANTIATE_TEST_SUITE_P(Tasks, RawScore, ::testing::ValuesIn(kRows),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(RawScoreRules, ChangedCapAndCountApply) {
    RoundRules rules = *defaultRoundRules('I', 600, {});
    rules.cap = 150;
    rules.counted = 2;
    EXPECT_EQ(rawScore({0, {{210}, {160}, {100}}, 0, CardMark::Signed, false}, rules), 300);
}

TEST(RawScoreRules, OnlyTheLettersAToNAreTasks) {
    EXPECT_FALSE(defaultRoundRules('O', 600, {}));
    EXPECT_FALSE(defaultRoundRules('a', 600, {}));
}

} // namespace
} // namespace aerolap::testing
