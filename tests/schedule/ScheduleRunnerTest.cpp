#include "TimedWindow.h"
#include "audio/ScheduleSoundFiles.h"
#include "elements/TimeText.h"
#include "engine/CyclePhase.h"
#include "schedule/ScheduleAnnouncer.h"
#include "schedule/ScheduleFile.h"
#include "schedule/ScheduleFrame.h"
#include "schedule/ScheduleSession.h"
#include "schedule/ScheduleStateFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;
using Timeline = std::vector<RecordingCuePlayer::Played>;

/// Two rounds of two groups, the second all-up with two flights: a test-flight and a no-fly
/// window of ten seconds at the end of each 40-second preparation, 20 seconds between cycles.
Schedule twoRounds() {
    Schedule schedule;
    schedule.preparation = 40;
    schedule.test = 10;
    schedule.noFly = 10;
    schedule.gap = 20;
    schedule.rounds.resize(2);
    schedule.rounds[0].working = 60;
    schedule.rounds[1].working = 30;
    schedule.rounds[1].flights = schedule.rounds[0].groups = schedule.rounds[1].groups = 2;
    return schedule;
}

/// Cues and frames of `window` from `fromMs` on, shifted by `byMs`. The display catches up with
/// a newly set preparation time on the first poll only when it showed another one, so the
/// frames of a cycle's first second are left out.
Timeline timelineOf(TimedWindow& window, long long fromMs, long long byMs) {
    Timeline timeline = window.cues.played();
    timeline.insert(timeline.end(), window.frames.begin(), window.frames.end());
    std::erase_if(timeline, [&](const auto& event) { return event.atMs < fromMs; });
    for (auto& event : timeline) {
        event.atMs += byMs;
    }
    std::ranges::sort(timeline, {}, [](const auto& e) { return std::tie(e.atMs, e.path); });
    return timeline;
}

/// One cycle as the director runs it by hand on a window of its own.
Timeline plainCycle(const CyclePlan& plan, long long startMs) {
    TimedWindow plain;
    plain.form.Option3.select();
    plain.form.Clock2.commitEdit(TimeText::fromSeconds(plan.preparation));
    plain.form.Clock3.commitEdit(TimeText::fromSeconds(plan.working));
    plain.form.Command5.click();
    plain.time.advanceUntil([&] { return cyclePhase(plain.form) == CyclePhase::Ready; }, 20min);
    return timelineOf(plain, 0, startMs);
}

class ScheduleRunnerTest : public ::testing::Test {
protected:
    ScheduleRunnerTest() {
        w.time.attach(runner.gapTimer);
        EXPECT_TRUE(runner.load(twoRounds()));
        w.form.Command5.clicked.connect([this] { log("START"); });
        runner.windowChanged.connect(
            [this](auto window) { log("window " + std::to_string(static_cast<int>(window))); });
    }
    void log(const std::string& what) {
        const auto [round, group, flight] = runner.position();
        events.push_back(std::to_string(w.time.elapsed().count() / 1000) + "s " + what + " R" +
                         std::to_string(round + 1) + "G" + std::to_string(group + 1) + "F" +
                         std::to_string(flight + 1) + " " + w.form.Clock2.clockTimeText() + " " +
                         w.form.Clock3.clockTimeText());
    }
    bool runUntil(ScheduleRunner::State state) {
        return w.time.advanceUntil([&] { return runner.state() == state; }, 30min);
    }

    TimedWindow w;
    ScheduleRunner runner{w.form, w.time};
    ScheduleSession session{runner, w.messageBoxes};
    std::vector<std::string> events;
    QTemporaryDir folder;
    std::string path = folder.filePath(QStringLiteral("day.json")).toStdString();
};

TEST_F(ScheduleRunnerTest, RunsEachCycleAsThePlainOneAndStartsTheNextAfterTheGap) {
    EXPECT_FALSE(w.form.Check17.ticked());
    w.time.advance(10s); // nothing starts by itself
    EXPECT_TRUE(events.empty());
    w.form.Command5.click();
    ASSERT_TRUE(runUntil(ScheduleRunner::State::Finished));
    EXPECT_EQ(
        events,
        (std::vector<std::string>{
            "10s START R1G1F1 00.00.40 00.01.00",     "30s window 1 R1G1F1 00.00.40 00.01.00",
            "40s window 2 R1G1F1 00.00.40 00.01.00",  "50s window 0 R1G1F1 00.00.40 00.01.00",
            "160s START R1G2F1 00.00.40 00.01.00",    "180s window 1 R1G2F1 00.00.40 00.01.00",
            "190s window 2 R1G2F1 00.00.40 00.01.00", "200s window 0 R1G2F1 00.00.40 00.01.00",
            "310s START R2G1F1 00.00.40 00.00.30",    "330s window 1 R2G1F1 00.00.40 00.00.30",
            "340s window 2 R2G1F1 00.00.40 00.00.30", "350s window 0 R2G1F1 00.00.40 00.00.30",
            "430s window 2 R2G1F2 00.00.10 00.00.30", "430s START R2G1F2 00.00.10 00.00.30",
            "440s window 0 R2G1F2 00.00.10 00.00.30", "520s START R2G2F1 00.00.40 00.00.30",
            "540s window 1 R2G2F1 00.00.40 00.00.30", "550s window 2 R2G2F1 00.00.40 00.00.30",
            "560s window 0 R2G2F1 00.00.40 00.00.30", "640s window 2 R2G2F2 00.00.10 00.00.30",
            "640s START R2G2F2 00.00.10 00.00.30",    "650s window 0 R2G2F2 00.00.10 00.00.30"}));
    Timeline expected;
    for (const auto& [position, startMs] : {std::pair{SchedulePosition{0, 0, 0}, 10000LL},
                                            {{0, 1, 0}, 160000},
                                            {{1, 0, 0}, 310000},
                                            {{1, 0, 1}, 430000},
                                            {{1, 1, 0}, 520000},
                                            {{1, 1, 1}, 640000}}) {
        const Timeline cycle = plainCycle(planOf(runner.schedule(), position), startMs);
        expected.insert(expected.end(), cycle.begin(), cycle.end());
    }
    const auto firstSecond = [&](const auto& e) { return e.path[0] == 'A' && e.atMs % 1000 < 100; };
    std::erase_if(expected, firstSecond);
    Timeline recorded = timelineOf(w, 0, 0);
    std::erase_if(recorded, firstSecond);
    EXPECT_EQ(recorded, expected);
}

TEST_F(ScheduleRunnerTest, StopPausesResetAndStartFlyAgainAndMovesOnlyWhileNoCycleRuns) {
    w.form.Command5.click();
    w.time.advance(50s);
    EXPECT_FALSE(runner.skip() || runner.back() || runner.jumpTo({1, 0, 0}));
    w.form.Command7.click();
    EXPECT_EQ(runner.state(), ScheduleRunner::State::Paused);
    w.time.advance(60s);
    w.form.Command2.click();
    w.form.Command5.click(); // the re-flight
    ASSERT_TRUE(runUntil(ScheduleRunner::State::Gap));
    EXPECT_TRUE(runner.skip() && runner.skip()); // out of the gap: the director starts again
    w.time.advance(60s);
    EXPECT_TRUE(runner.back() && runner.jumpTo({1, 1, 1}));
    EXPECT_FALSE(runner.jumpTo({1, 2, 0}));
    w.form.Command5.click();
    ASSERT_TRUE(runUntil(ScheduleRunner::State::Finished));
    EXPECT_EQ(
        events,
        (std::vector<std::string>{
            "0s START R1G1F1 00.00.40 00.01.00", "20s window 1 R1G1F1 00.00.40 00.01.00",
            "30s window 2 R1G1F1 00.00.40 00.01.00", "40s window 0 R1G1F1 00.00.40 00.01.00",
            "110s START R1G1F1 00.00.40 00.01.00", "130s window 1 R1G1F1 00.00.40 00.01.00",
            "140s window 2 R1G1F1 00.00.40 00.01.00", "150s window 0 R1G1F1 00.00.40 00.01.00",
            "300s window 2 R2G2F2 00.00.10 00.00.30", "300s START R2G2F2 00.00.10 00.00.30",
            "310s window 0 R2G2F2 00.00.10 00.00.30"}));
}

TEST_F(ScheduleRunnerTest, ExtendedFramesCarryRoundGroupAndState) {
    Schedule schedule = twoRounds();
    schedule.extendedFrame = true;
    ASSERT_TRUE(runner.load(schedule));
    w.window.displayLink().setFrameFormat(
        [this](std::string_view digits) { return scheduleFrame(runner, w.form, digits); });
    w.form.Command5.click();
    ASSERT_TRUE(runUntil(ScheduleRunner::State::Finished));
    EXPECT_THAT(w.frames, ::testing::IsSupersetOf(Timeline{{10, "R01G01T0040PT\r"},
                                                           {20000, "R01G01T0020TT\r"},
                                                           {30000, "R01G01T0010NF\r"},
                                                           {40000, "R01G01T0000PT\r"},
                                                           {40000, "R01G01T0100WT\r"},
                                                           {100000, "R01G01T0030LT\r"},
                                                           {130000, "R01G01T0000LT\r"},
                                                           {130000, "R01G02T0040PT\r"},
                                                           {630010, "R02G02T0010NF\r"},
                                                           {700000, "R00G00T0010PT\r"}}));
}

// "No flying" would meet the ten-seconds call, and at a later flight's START the preparation
// call: both are left out.
TEST_F(ScheduleRunnerTest, AnnouncesTheComingCycleInEachGapAndTheWindowsThatFit) {
    ScheduleAnnouncer announcer{runner, w.form, w.cues, w.time};
    w.time.attach(announcer.wordTimer);
    w.form.Command5.click();
    ASSERT_TRUE(runUntil(ScheduleRunner::State::Finished));
    const auto coming = [](long long atMs, std::vector<int> numbers) {
        Timeline words;
        for (std::size_t i = 0; i < numbers.size(); ++i, atMs += 2300) {
            words.push_back({atMs, std::array{sounds::kRound, sounds::kGroup, sounds::kFlight}[i]});
            words.push_back({atMs + 900, sounds::numberCue(numbers[i])});
        }
        return words;
    };
    Timeline expected{{20000, sounds::kTestFlights}};
    for (const Timeline& part : {coming(132900, {1, 2}),
                                 {{170000, sounds::kTestFlights}},
                                 coming(282900, {2, 1}),
                                 {{320000, sounds::kTestFlights}},
                                 coming(402900, {2, 1, 2}),
                                 coming(492900, {2, 2}),
                                 {{530000, sounds::kTestFlights}},
                                 coming(612900, {2, 2, 2})}) {
        expected.insert(expected.end(), part.begin(), part.end());
    }
    Timeline announced = w.cues.played();
    std::erase_if(announced,
                  [](const auto& cue) { return !cue.path.starts_with(R"(c:\schedule)"); });
    EXPECT_EQ(announced, expected);
}

TEST_F(ScheduleRunnerTest, WritesThePositionDownAtEachChangeAndARestartOffersToResumeThere) {
    ASSERT_EQ(saveSchedule(twoRounds(), path), std::nullopt);
    ASSERT_TRUE(session.open(path));
    std::vector<SavedPosition> written;
    runner.changed.connect([&] { written.push_back(readScheduleState(path).value()); });
    w.form.Command5.click();
    ASSERT_TRUE(runUntil(ScheduleRunner::State::Gap));
    ASSERT_TRUE(runUntil(ScheduleRunner::State::Running));
    w.form.Command7.click();
    EXPECT_EQ(written,
              (std::vector<SavedPosition>{
                  {{0, 0, 0}, true}, {{0, 1, 0}, true}, {{0, 1, 0}, true}, {{0, 1, 0}, false}}));

    TimedWindow restarted;
    ScheduleRunner resumed{restarted.form, restarted.time};
    ScheduleSession reopened{resumed, restarted.messageBoxes};
    restarted.messageBoxes.answerNext(MessageAnswer::Yes);
    ASSERT_TRUE(reopened.open(path));
    EXPECT_EQ(restarted.messageBoxes.shown().at(0).text,
              "The schedule " + path + " was left at round 1, group 2, flight 1.\n\nResume there?");
    EXPECT_EQ(resumed.position(), (SchedulePosition{0, 1, 0}));
    EXPECT_EQ(restarted.form.Clock2.clockTimeText(), "00.00.40");
}

TEST_F(ScheduleRunnerTest, AnUnreadableStateFileIsPassedOverAndABadScheduleNamedAndLeftAside) {
    ASSERT_EQ(saveSchedule(twoRounds(), path), std::nullopt);
    QFile state(QString::fromStdString(stateFileOf(path)));
    ASSERT_TRUE(state.open(QIODevice::WriteOnly) && state.write("{\"round\": \"x") > 0);
    state.close();
    ASSERT_TRUE(runner.jumpTo({1, 0, 0}));
    EXPECT_TRUE(session.open(path));
    EXPECT_TRUE(w.messageBoxes.shown().empty());
    EXPECT_EQ(readScheduleState(path), (SavedPosition{{0, 0, 0}, false}));

    ASSERT_TRUE(runner.jumpTo({1, 0, 0}));
    ASSERT_TRUE(state.open(QIODevice::WriteOnly) && state.write("{}") > 0);
    state.close();
    EXPECT_FALSE(session.open(stateFileOf(path)));
    EXPECT_EQ(w.messageBoxes.shown().at(0).text,
              "Schedule " + stateFileOf(path) +
                  ": rounds: must be a list of at least one round in brackets\n\nThe timer runs "
                  "on without this schedule.");
    EXPECT_EQ(runner.position(), (SchedulePosition{1, 0, 0}));
}

} // namespace
} // namespace aerolap::testing
