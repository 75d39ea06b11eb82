#include "ContestDay.h"
#include "TimedComposition.h"
#include "day_log/DayLogLine.h"
#include "schedule/ScheduleFile.h"
#include "scores/ScoresFile.h"

#ifndef _WIN32
#include "FileSystemFaults.h"
#endif

#include <QFile>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

/// The whole timer with the contest day opened from its file in the state folder.
struct ScoresSessionTest : ::testing::Test {
    ScoresSessionTest() {
        world.loadSchedule(kContestDay);
        scores.changed.connect([this] { ++changes; });
    }
    std::filesystem::path folder() const { return world.stateFolder.path().toStdString(); }
    /// The sheet in the scores file, once everything handed to the writer is written.
    ScoreSheet saved() {
        world.settle();
        auto read = readScoresFile(folder() / "day.scores.json");
        EXPECT_TRUE(std::holds_alternative<ScoreSheet>(read));
        return std::holds_alternative<ScoreSheet>(read) ? std::get<ScoreSheet>(read) : ScoreSheet{};
    }
    /// The score lines of the day log.
    std::vector<ScoreChanged> logged() {
        world.settle();
        std::vector<ScoreChanged> lines;
        std::ifstream log(DayLog::fileOf(folder() / "log", world.time.wall.now()));
        for (std::string line; std::getline(log, line);) {
            const auto read = readLine(line);
            if (const auto* each = std::get_if<DayLogLine>(&read);
                each != nullptr && std::holds_alternative<ScoreChanged>(each->event)) {
                lines.push_back(std::get<ScoreChanged>(each->event));
            }
        }
        return lines;
    }
    double scoreOf(int round, int group, int pilot) {
        const auto& cards = scores.results()
                                .rounds.at(static_cast<std::size_t>(round))
                                .at(static_cast<std::size_t>(group))
                                .cards;
        const auto card = std::ranges::find(cards, pilot, &CardResult::pilot);
        return card == cards.end() ? -1 : card->score;
    }

    TimedComposition world;
    ScoresSession& scores = world.timer.scores();
    int changes = 0;
};

std::string said(const EntryOutcome& outcome) {
    return outcome.taken ? "taken" : outcome.refusal;
}

// Each entry is in the scores file and the day log at once, with the card before and after; a
// confirmed group that changes is provisional again; a later start with the schedule finds it all.
TEST_F(ScoresSessionTest, EntriesAreSavedLoggedAndScoredAndComeBackWithTheSchedule) {
    EXPECT_EQ(said(scores.enter({0, 0}, cardOf(kAnna, {250}))), "taken");
    EXPECT_EQ(said(scores.enter({0, 0}, cardOf(kBruno, {200}, 100))), "taken");
    EXPECT_EQ(scoreOf(0, 0, kBruno), 800);
    EXPECT_EQ(said(scores.enter({0, 0}, cardOf(kAnna, {300}))), "taken");
    EXPECT_EQ(said(scores.confirmGroup({0, 0})), "taken");
    EXPECT_FALSE(scores.results().rounds[0][0].provisional);
    EXPECT_EQ(said(scores.enter({0, 0}, cardOf(kBruno, {240}))), "taken");
    EXPECT_TRUE(scores.results().rounds[0][0].provisional) << "a confirmed group was changed";
    EXPECT_EQ(scoreOf(0, 0, kBruno), 800);
    EXPECT_EQ(changes, 5);

    const ScoreSheet sheet = saved();
    EXPECT_EQ(sheet, scores.sheet());
    const auto lines = logged();
    ASSERT_EQ(lines.size(), 5U);
    using Line = std::tuple<std::string, std::optional<int>, std::optional<int>, std::string,
                            std::string, std::string>;
    const auto fields = [](const ScoreChanged& line) {
        return Line{line.what, line.round, line.group, line.pilot, line.oldValue, line.newValue};
    };
    EXPECT_EQ(fields(lines[2]), (Line{"card", 0, 0, "Anna", "4:10", "5:00"}));
    EXPECT_EQ(fields(lines[3]), (Line{"confirmation", 0, 0, "", "provisional", "confirmed"}));
    EXPECT_EQ(lines[4].oldValue, "3:20, penalty 100");

    TimedComposition nextStart;
    ASSERT_TRUE(nextStart.timer.schedule().open((folder() / "day.json").string()));
    EXPECT_EQ(nextStart.timer.scores().sheet(), sheet);
    EXPECT_EQ(nextStart.timer.scores().results().standings.pilots.front().pilot, kAnna);
}

// A bad entry is refused with a reason for whoever made it, and nothing changes anywhere.
TEST_F(ScoresSessionTest, RefusesBadEntriesWithTheirReasonAndChangesNothing) {
    Card poker = cardOf(kAnna, {65});
    const auto refusal = [this](GroupPlace group, const Card& card) {
        return said(scores.enter(group, card));
    };
    EXPECT_EQ(refusal({0, 0}, cardOf(kAnna, {120, 421})),
              "Flight 2 (7:01) is longer than the working time of 7:00.");
    EXPECT_EQ(refusal({2, 0}, cardOf(kAnna, {170, 180, 175, 20})),
              "Task C allows at most 3 flight(s).");
    EXPECT_EQ(refusal({0, 1}, cardOf(kCarla, {-5})), "Flight 1 has a negative time.");
    EXPECT_EQ(refusal({1, 0}, poker),
              "Flight 1 has no target: in poker each flight has the target named before it.");
    EXPECT_EQ(refusal({0, 2}, cardOf(kAnna, {60})), "The schedule has no group 3 in round 1.");
    EXPECT_EQ(refusal({0, 0}, cardOf(7, {60})), "There is no pilot 7 in the contest.");
    EXPECT_EQ(refusal({0, 0}, cardOf(kAnna, {60}, -100)),
              "A penalty is points taken off: it cannot be negative.");
    EXPECT_EQ(said(scores.confirmGroup({0, 0})), "Group 1 of round 1 has no card to confirm.");
    poker.flights[0].target = 60;
    EXPECT_EQ(refusal({1, 0}, poker), "taken") << "the same card with its target";

    EXPECT_EQ(changes, 1);
    EXPECT_EQ(logged().size(), 1U);
    EXPECT_EQ(scores.sheet().rounds.size(), 2U);

    TimedComposition withoutFile;
    withoutFile.timer.load(std::nullopt);
    EXPECT_EQ(said(withoutFile.timer.scores().enter({0, 0}, cardOf(kAnna, {60}))),
              "Open a schedule first: the scores come with it.");
}

// A card taken out leaves its group provisional without it, in the file and the day log.
TEST_F(ScoresSessionTest, ACardTakenOutLeavesTheGroup) {
    ASSERT_TRUE(scores.enter({0, 0}, cardOf(kAnna, {250})).taken);
    ASSERT_TRUE(scores.enter({0, 0}, cardOf(kBruno, {200})).taken);
    ASSERT_TRUE(scores.confirmGroup({0, 0}).taken);
    EXPECT_EQ(said(scores.clearCard({0, 0}, kAnna)), "taken");
    EXPECT_EQ(said(scores.clearCard({0, 1}, kCarla)), "taken") << "no card: nothing to do";
    EXPECT_EQ(said(scores.clearCard({0, 0}, 7)), "There is no pilot 7 in the contest.");
    EXPECT_EQ(scoreOf(0, 0, kAnna), -1);
    EXPECT_EQ(scoreOf(0, 0, kBruno), 1000);
    EXPECT_TRUE(scores.results().rounds[0][0].provisional);
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(saved(), scores.sheet());
    EXPECT_EQ(scores.sheet().rounds.size(), 1U) << "no group made for a card that was not there";
    const ScoreChanged last = logged().back();
    EXPECT_EQ(last.pilot + "|" + last.oldValue + "|" + last.newValue, "Anna|4:10|");
}

// A scores file that cannot be read is kept aside and named; the scores start empty and the next
// entry writes a good file in its place.
TEST_F(ScoresSessionTest, AnUnreadableScoresFileIsKeptAsideAndNamed) {
    std::ofstream(folder() / "day.scores.json") << R"({"format": "aerolap-scores", "version": 1,
        "rounds": [[{"cards": [{"pilot": "Anna", "flights": [{"seconds": "2:50"}]}]}]]})";
    ASSERT_TRUE(world.timer.schedule().open((folder() / "day.json").string()));
    EXPECT_NE(world.noticesText().find(
                  "day.scores.json round 1, group 1, card of Anna, flight 1, seconds: must be a "
                  "whole number from 0 to 86400: the scores start empty. It is kept as "),
              std::string::npos)
        << world.noticesText();
    EXPECT_TRUE(std::filesystem::exists(folder() / "day.scores.json.unreadable"));
    EXPECT_EQ(scores.sheet(), ScoreSheet{});
    ASSERT_TRUE(scores.enter({0, 0}, cardOf(kAnna, {170})).taken);
    EXPECT_EQ(saved(), scores.sheet());
}

#ifndef _WIN32
// A disk that fills up leaves the last scores file whole and says so once; the entry stays in
// hand, and once there is room the file is written again with it.
TEST_F(ScoresSessionTest, AFullDiskLeavesTheLastScoresFileWhole) {
    ASSERT_TRUE(scores.enter({0, 0}, cardOf(kAnna, {170})).taken);
    const ScoreSheet before = saved();
    {
        const FullDisk full;
        ASSERT_TRUE(scores.enter({0, 0}, cardOf(kBruno, {150})).taken);
        world.settle();
    }
    EXPECT_EQ(saved(), before);
    EXPECT_NE(scores.sheet(), before) << "the entry is kept in hand";
    EXPECT_NE(world.noticesText().find("day.scores.json cannot be written"), std::string::npos);
    ASSERT_TRUE(scores.enter({0, 1}, cardOf(kCarla, {130})).taken);
    EXPECT_EQ(saved(), scores.sheet());
    EXPECT_NE(world.noticesText().find("day.scores.json is written again"), std::string::npos);
}
#endif

// A re-flight group is a group of the schedule and the draw, saved in the schedule's file and
// flown in its turn; the re-flown pilot takes its score, the pilot who fills it the better one.
TEST_F(ScoresSessionTest, AReflightGroupIsARealGroupOfTheScheduleAndTheDraw) {
    for (const auto& [group, card] :
         {std::pair(0, cardOf(kAnna, {250})), std::pair(0, cardOf(kBruno, {200})),
          std::pair(1, cardOf(kCarla, {300})), std::pair(1, cardOf(kDario, {100}))}) {
        ASSERT_TRUE(scores.enter({0, group}, card).taken);
    }
    EXPECT_EQ(said(scores.addReflightGroup(0, {}, {kCarla})),
              "Choose at least one pilot granted the re-flight.");
    EXPECT_EQ(said(scores.addReflightGroup(0, {kBruno}, {kBruno})), "Bruno is chosen twice.");
    ASSERT_EQ(said(scores.addReflightGroup(0, {kBruno}, {kCarla})), "taken");

    const ScheduleRunner& runner = world.timer.scheduleRunner();
    EXPECT_EQ(runner.schedule().rounds[0].groups, 3);
    EXPECT_EQ(runner.schedule().draw->rounds[0][2], (DrawnGroup{kBruno, kCarla}));
    EXPECT_EQ(nextPosition(runner.schedule(), {0, 1, 0}), (SchedulePosition{0, 2, 0}));
    const LoadedSchedule onDisk = loadSchedule((folder() / "day.json").string());
    ASSERT_TRUE(onDisk.schedule.has_value()) << onDisk.error;
    EXPECT_EQ(onDisk.schedule->draw, runner.schedule().draw);

    ASSERT_EQ(said(scores.enter({0, 2}, cardOf(kBruno, {150}))), "taken");
    ASSERT_TRUE(scores.enter({0, 2}, cardOf(kCarla, {100})).taken);
    const auto roundOf = [this](int pilot) {
        for (const PilotStanding& standing : scores.results().standings.pilots) {
            if (standing.pilot == pilot) {
                return standing.rounds.at(0).score;
            }
        }
        return -1.0;
    };
    EXPECT_EQ(roundOf(kBruno), 1000) << "the re-flight's score, though lower than the first";
    EXPECT_EQ(roundOf(kCarla), 1000) << "the better of the two";
    EXPECT_EQ(logged().at(4).newValue, "granted Bruno; filling Carla, Jr.");
}

// A withdrawn pilot leaves the groups still to fly and keeps the rounds flown.
TEST_F(ScoresSessionTest, AWithdrawnPilotKeepsTheRoundsFlown) {
    EXPECT_EQ(scores.groupJustFlown(), (GroupPlace{0, 0})) << "nothing has flown yet";
    ASSERT_TRUE(scores.enter({0, 1}, cardOf(kDario, {200})).taken);
    ASSERT_TRUE(scores.enter({0, 1}, cardOf(kCarla, {100})).taken);
    ASSERT_TRUE(world.timer.scheduleRunner().jumpTo({1, 0, 0}));
    EXPECT_EQ(scores.groupJustFlown(), (GroupPlace{0, 1}));
    ASSERT_TRUE(world.timer.schedule().withdraw("Dário"));
    EXPECT_EQ(scores.pilotsOf({0, 1}), (std::vector<int>{kCarla, kDario}));
    EXPECT_EQ(scores.pilotsOf({1, 1}), (std::vector<int>{kBruno}));
    EXPECT_EQ(scoreOf(0, 1, kDario), 1000);
}

// Scores kept in a file the director named stay there; a schedule saved as another file takes
// its scores along.
TEST_F(ScoresSessionTest, KeepsTheScoresInTheNamedFileOrBesideTheScheduleSavedElsewhere) {
    ASSERT_TRUE(scores.enter({0, 0}, cardOf(kAnna, {170})).taken);
    ASSERT_TRUE(world.timer.schedule().saveAs((folder() / "copy").string()));
    world.settle();
    EXPECT_EQ(std::get<ScoreSheet>(readScoresFile(folder() / "copy.scores.json")), scores.sheet());

    scores.keepScoresIn(folder() / "named.json");
    EXPECT_EQ(scores.sheet(), ScoreSheet{}) << "nothing was kept there yet";
    ASSERT_TRUE(scores.enter({0, 1}, cardOf(kCarla, {90})).taken);
    world.settle();
    EXPECT_EQ(std::get<ScoreSheet>(readScoresFile(folder() / "named.json")), scores.sheet());
}

} // namespace
} // namespace aerolap::testing
