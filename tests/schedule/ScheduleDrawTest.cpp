// The draw in the schedule: kept in its file with the date, imported all or nothing, generated
// for every round, and a withdrawal at any moment of the contest.
#include "schedule/ScheduleDraw.h"

#include "TimedWindow.h"
#include "schedule/ScheduleSession.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

/// Two rounds of two groups, short enough to fly in a test.
Schedule twoRoundsOfTwo() {
    Schedule schedule;
    schedule.preparation = 10;
    schedule.gap = 5;
    schedule.rounds.resize(2);
    for (ScheduleRound& round : schedule.rounds) {
        round.working = 20;
        round.groups = 2;
    }
    return schedule;
}

class ScheduleDrawTest : public ::testing::Test {
protected:
    ScheduleDrawTest() {
        w.time.attach(runner.gapTimer);
        EXPECT_TRUE(runner.load(twoRoundsOfTwo()));
    }
    std::string file(const char* name, const std::string& text) {
        const std::string path = folder.filePath(QString::fromLatin1(name)).toStdString();
        QFile out(QString::fromStdString(path));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text.data(), static_cast<qint64>(text.size()));
        return path;
    }
    std::vector<std::string> groupOf(int round, int group) {
        return pilotsOf(*runner.schedule().draw, round, group);
    }

    TimedWindow w;
    ScheduleRunner runner{w.cycle, w.time};
    ScheduleSession session{runner, w.messageBoxes};
    QTemporaryDir folder;
};

TEST_F(ScheduleDrawTest, ImportsAllOrNothingAndTheFileKeepsTheDrawAndTheDate) {
    const std::string bad = file("bad.csv", "round,group,pilot\n1,1,Anna\n1,2,Bruno\n2,1,Anna\n");
    EXPECT_FALSE(session.importDraw(bad));
    EXPECT_EQ(w.messageBoxes.shown().back().text,
              "Draw " + bad +
                  ", line 4: group 2 of round 2 has nobody\n\nThe schedule stays as "
                  "it was.");
    EXPECT_FALSE(runner.schedule().draw);
    EXPECT_FALSE(session.importDraw(folder.path().toStdString()));
    EXPECT_EQ(w.messageBoxes.shown().back().text,
              "Draw " + folder.path().toStdString() +
                  ": is not a regular file\n\nThe schedule stays as it was.");
    EXPECT_FALSE(session.importDraw(file("big.csv", std::string(1024 * 1024 + 1, 'x'))));
    EXPECT_FALSE(runner.schedule().draw);

    ASSERT_TRUE(session.importDraw(file(
        "good.csv", "round;group;pilot;team\n1;1;Anna;A\n1;2;Bruno;\n2;2;Anna;A\n2;1;Bruno;\n")));
    EXPECT_EQ(groupOf(1, 1), std::vector<std::string>{"Anna"});
    Schedule schedule = runner.schedule();
    schedule.date = "2026-06-07";
    const std::string path = folder.filePath(QStringLiteral("day.json")).toStdString();
    ASSERT_EQ(saveSchedule(schedule, path), std::nullopt);
    const LoadedSchedule again = loadSchedule(path);
    ASSERT_TRUE(again.schedule) << again.error;
    EXPECT_EQ(again.schedule->draw, schedule.draw);
    EXPECT_EQ(again.schedule->date, "2026-06-07");

    const LoadedSchedule regrouped =
        withRoundField(schedule, 1, RoundField::Groups, "3", "The schedule");
    EXPECT_EQ(regrouped.error, "The schedule: round 2, groups: the draw has 2 groups in this "
                               "round: import or generate the draw again to change them");
}

TEST_F(ScheduleDrawTest, AFileWithABadDrawOrDateIsRefused) {
    const std::pair<const char*, const char*> cases[] = {
        {R"("date": "7 June")", "date: \"7 June\" is not a date written YYYY-MM-DD"},
        {R"("draw": {"pilots": [{"name": "A"}], "rounds": [[["A"]]]})",
         "draw, round 1: has 1 groups where the round has 2"},
        {R"("draw": {"pilots": [{"name": "A"}], "rounds": [[["A"], ["B"]]]})",
         "draw, round 1, group 2: \"B\" is not one of the draw's pilots"},
        {R"("draw": {"pilots": [{"name": "A"}, {"name": "A"}], "rounds": []})",
         "draw, pilot 2: \"A\" is listed twice"},
        {R"("draw": {"pilots": [{"name": "A"}], "rounds": [[["A"], ["A", "A"]]],
             "reflight_groups": [1]})",
         "draw, round 1, group 2: \"A\" flies twice in the round"},
        {R"("draw": {"pilots": [{"name": "A"}], "rounds": [[["A"], ["A"]]],
             "reflight_groups": [3]})",
         "draw, reflight_groups: must give each round from 0 to its number of groups"},
        {R"("draw": {"pilots": [{"name": "A"}], "rounds": [[["A"], ["A"]]],
             "reflight_groups": 1})",
         "draw, reflight_groups: must give each round from 0 to its number of groups"},
        {R"("draw": {"pilots": [], "rounds": [], "generated": {"group_size": 8}})",
         "draw, generated: must hold a \"seed\" and either a \"group_size\" or a number of "
         "\"groups\""},
    };
    for (const auto& [field, message] : cases) {
        const std::string path = file("day.json", std::string("{") + field +
                                                      R"(, "rounds": [{"working": "00.01.00",
                                                      "groups": 2}]})");
        EXPECT_EQ(loadSchedule(path).error, "Schedule " + path + ": " + message);
    }
}

TEST_F(ScheduleDrawTest, GeneratesEveryRoundAndAWithdrawalLeavesWhatHasFlown) {
    std::vector<DrawPilot> pilots;
    for (const char* name : {"Anna", "Bruno", "Carla", "Dario", "Elena", "Fabio", "Gina"}) {
        pilots.push_back({name, "", std::nullopt});
    }
    const auto even = session.generateDraw(pilots, {0, 3, 11});
    ASSERT_TRUE(even);
    EXPECT_EQ(runner.schedule().rounds[0].groups, 3) << "the draw sets the groups";
    EXPECT_EQ(session.firstOpenGroup()->round, 0);

    w.form.Command5.click(); // round 1, group 1 in the air
    w.time.advance(5s);
    const std::string flying = groupOf(0, 0).front();
    const std::vector<std::vector<std::string>> round1 = {groupOf(0, 0), groupOf(0, 1)};
    ASSERT_TRUE(session.withdraw(flying));
    EXPECT_EQ(groupOf(0, 0), round1[0]) << "the group in the air keeps its pilot";
    for (int group = 0; group < 3; ++group) {
        for (const auto& name : groupOf(1, group)) {
            EXPECT_NE(name, flying) << "round 2, group " << group + 1;
        }
    }
    EXPECT_EQ(runner.state(), ScheduleRunner::State::Running) << "the cycle runs on";

    const std::string later = groupOf(0, 2).front();
    ASSERT_TRUE(session.withdraw(later));
    EXPECT_EQ(std::ranges::count(groupOf(0, 2), later), 0)
        << "struck from a group of the round in hand that has not flown";
    EXPECT_EQ(groupOf(0, 1), round1[1]);
    EXPECT_FALSE(session.withdraw("Nobody"));
    EXPECT_EQ(w.messageBoxes.shown().back().text, "\"Nobody\" is not in the draw.");
}

} // namespace
} // namespace aerolap::testing
