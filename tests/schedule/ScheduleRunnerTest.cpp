#include "TimedWindow.h"
#include "audio/ScheduleSoundFiles.h"
#include "elements/TimeText.h"
#include "engine/CyclePhase.h"
#include "schedule/ScheduleAnnouncer.h"
#include "schedule/ScheduleFile.h"
#include "schedule/ScheduleFrame.h"
#include "schedule/ScheduleSession.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
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

/// Cues and frames of `window`, shifted by `byMs`.
Timeline timelineOf(TimedWindow& window, long long byMs) {
    Timeline timeline = window.cues.played();
    timeline.insert(timeline.end(), window.frames.begin(), window.frames.end());
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
    return timelineOf(plain, startMs);
}

class ScheduleRunnerTest : public ::testing::Test {
protected:
    ScheduleRunnerTest() {
        w.time.attach(runner.gapTimer);
        EXPECT_TRUE(runner.load(twoRounds()));
        w.form.Command5.clicked.connect([this] { starts.emplace_back(runner.position(), now()); });
    }
    long long now() const { return w.time.elapsed().count(); }
    bool runUntil(ScheduleRunner::State state) {
        return w.time.advanceUntil([&] { return runner.state() == state; }, 30min);
    }

    TimedWindow w;
    ScheduleRunner runner{w.cycle, w.time};
    ScheduleSession session{runner, w.messageBoxes};
    std::vector<std::pair<SchedulePosition, long long>> starts; // each START, where and when
    QTemporaryDir folder;
    std::string path = folder.filePath(QStringLiteral("day.json")).toStdString();
};

TEST_F(ScheduleRunnerTest, RunsEachCycleAsThePlainOneAndStartsTheNextAfterTheGap) {
    EXPECT_FALSE(w.form.Check17.ticked());
    w.time.advance(10s); // nothing starts by itself
    w.form.Command5.click();
    // The preparation, working time and landing window of this cycle, then the gap.
    EXPECT_EQ(runner.nextCycleStartsAt(), w.time.now() + 150s);
    ASSERT_TRUE(runUntil(ScheduleRunner::State::Finished));
    EXPECT_EQ(starts, (decltype(starts){{{0, 0, 0}, 10000},
                                        {{0, 1, 0}, 160000},
                                        {{1, 0, 0}, 310000},
                                        {{1, 0, 1}, 430000},
                                        {{1, 1, 0}, 520000},
                                        {{1, 1, 1}, 640000}}));
    Timeline expected;
    for (const auto& [position, startMs] : starts) {
        const Timeline cycle = plainCycle(planOf(runner.schedule(), position), startMs);
        expected.insert(expected.end(), cycle.begin(), cycle.end());
    }
    // The display catches up with a newly set preparation time on the first poll only when it
    // showed another one, so the frames of a cycle's first second are left out.
    const auto firstSecond = [&](const auto& e) { return e.path[0] == 'A' && e.atMs % 1000 < 100; };
    std::erase_if(expected, firstSecond);
    Timeline recorded = timelineOf(w, 0);
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
    Schedule edited = runner.schedule();
    edited.rounds[0].working = 50;
    ASSERT_TRUE(session.edit(edited)); // an edit in the gap keeps the START that ends it
    EXPECT_EQ(runner.state(), ScheduleRunner::State::Gap);
    EXPECT_EQ(w.form.Clock3.clockTimeText(), "00.00.50");
    EXPECT_TRUE(runner.skip() && runner.skip()); // out of the gap: the director starts again
    w.time.advance(60s);
    EXPECT_TRUE(runner.back() && runner.jumpTo({1, 1, 1}));
    EXPECT_FALSE(runner.jumpTo({1, 2, 0}));
    w.form.Command5.click();
    ASSERT_TRUE(runUntil(ScheduleRunner::State::Finished));
    EXPECT_EQ(starts, (decltype(starts){{{0, 0, 0}, 0}, {{0, 0, 0}, 110000}, {{1, 1, 1}, 300000}}));
}

// STOP's own frame is sent by the composition; its test checks it.
TEST_F(ScheduleRunnerTest, ExtendedFramesCarryRoundGroupAndState) {
    Schedule schedule = twoRounds();
    schedule.extendedFrame = true;
    ASSERT_TRUE(runner.load(schedule));
    w.window.displayLink().setFrameFormat([this](std::string_view minutesSeconds) {
        return scheduleFrame(runner, w.cycle, minutesSeconds);
    });
    w.form.Command5.click();
    ASSERT_TRUE(runUntil(ScheduleRunner::State::Finished));
    // The frame that loads the next phase's time carries that phase, and after the last cycle 00.
    for (const auto& frame : Timeline{{20000, "R01G01T0020TT\r"},
                                      {30000, "R01G01T0010NF\r"},
                                      {40000, "R01G01T0100WT\r"},
                                      {100000, "R01G01T0030LT\r"},
                                      {130000, "R01G02T0040PT\r"},
                                      {700000, "R00G00T0010PT\r"}}) {
        EXPECT_EQ(std::ranges::count(w.frames, frame), 1) << frame.path;
    }
}

// "No flying" would meet the ten-seconds call, and at a later flight's START the preparation
// call: both are left out.
TEST_F(ScheduleRunnerTest, AnnouncesTheComingCycleInEachGapAndTheWindowsThatFit) {
    ScheduleAnnouncer announcer{runner, w.cycle, w.cues, w.time};
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

TEST_F(ScheduleRunnerTest, TellsItsPlaceAtEachChangeAndARestartOffersToResumeThere) {
    ASSERT_EQ(saveSchedule(twoRounds(), path), std::nullopt);
    ASSERT_TRUE(session.open(path));
    std::vector<SchedulePlace> places;
    runner.changed.connect([&] {
        places.push_back(session.place().value());
        places.back().nextStartIn.reset();
    });
    w.form.Command5.click();
    ASSERT_TRUE(runUntil(ScheduleRunner::State::Gap));
    ASSERT_TRUE(runUntil(ScheduleRunner::State::Running));
    w.form.Command7.click();
    using State = ScheduleState;
    EXPECT_EQ(places, (std::vector<SchedulePlace>{{path, 0, 0, 0, State::Running, {}},
                                                  {path, 0, 1, 0, State::Gap, {}},
                                                  {path, 0, 1, 0, State::Running, {}},
                                                  {path, 0, 1, 0, State::Paused, {}}}));

    TimedWindow restarted;
    ScheduleRunner resumed{restarted.cycle, restarted.time};
    ScheduleSession reopened{resumed, restarted.messageBoxes};
    reopened.recallPlacesFrom([&](const std::string& file) {
        return file == path ? std::optional(places.back()) : std::nullopt;
    });
    restarted.messageBoxes.answerNext(MessageAnswer::Yes);
    ASSERT_TRUE(reopened.open(path));
    EXPECT_EQ(restarted.messageBoxes.shown().at(0).text,
              "The schedule " + path + " was left at round 1, group 2, flight 1.\n\nResume there?");
    EXPECT_EQ(resumed.position(), (SchedulePosition{0, 1, 0}));
    EXPECT_EQ(restarted.form.Clock2.clockTimeText(), "00.00.40");

    restarted.time.attach(resumed.gapTimer);
    restarted.form.Command5.click();
    ASSERT_TRUE(restarted.time.advanceUntil(
        [&] { return resumed.state() == ScheduleRunner::State::Finished; }, 30min));
    TimedWindow again;
    ScheduleRunner fresh{again.cycle, again.time};
    ScheduleSession flown(fresh, again.messageBoxes);
    flown.recallPlacesFrom([&](const std::string&) { return reopened.place(); });
    ASSERT_TRUE(flown.open(path));
    EXPECT_TRUE(again.messageBoxes.shown().empty()) << "a flown schedule offers no resumption";
    EXPECT_EQ(fresh.position(), SchedulePosition{});
}

TEST_F(ScheduleRunnerTest, ABadScheduleIsNamedAndTheOneInHandStays) {
    ASSERT_EQ(saveSchedule(twoRounds(), path), std::nullopt);
    ASSERT_TRUE(session.open(path) && runner.jumpTo({1, 0, 0}));
    const std::string notASchedule = path + ".txt";
    std::ofstream(notASchedule) << R"({"round": "x)";
    EXPECT_FALSE(session.open(notASchedule));
    ASSERT_EQ(w.messageBoxes.shown().size(), 1U);
    EXPECT_TRUE(w.messageBoxes.shown()[0].text.starts_with("Schedule " + notASchedule + ", line 1"));
    EXPECT_EQ(runner.position(), (SchedulePosition{1, 0, 0}));
    EXPECT_EQ(session.path(), path);
}

} // namespace
} // namespace aerolap::testing
