#include "TimedComposition.h"
#include "audio/ScheduleSoundFiles.h"
#include "recovery/CycleRecordJson.h"

#include <QFile>
#include <set>
#include <tuple>
#include <algorithm>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;
using Timeline = std::vector<RecordingCuePlayer::Played>;

/// One round of two groups with the extended frame: 20 seconds of preparation, 30 of working
/// time, 20 between the cycles.
constexpr char kTwoGroups[] = R"({"preparation": "00.00.20", "gap": "00.00.20",
    "extended_frame": true, "rounds": [{"task": "A", "working": "00.00.30", "groups": 2}]})";

/// The whole program as it is wired, in virtual time, started with a schedule file.
class TimerCompositionTest : public ::testing::Test {
protected:
    TimerCompositionTest() {
        world.loadSchedule(kTwoGroups);
        EXPECT_TRUE(world.messageBoxes.shown().empty())
            << "the file is good and has no place to resume";
        form.Command5.clicked.connect([this] { starts.push_back(world.time.elapsed().count()); });
    }
    bool runUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
        return world.runUntil(done, limit);
    }
    void run(std::chrono::milliseconds duration) { world.run(duration); }
    const DisplayState& published() const { return world.timer.displayState().current(); }
    /// The schedule's place as the state file has it.
    std::optional<SchedulePlace> recordedPlace() {
        world.settle();
        QFile file(QString::fromStdString(world.stateFile().string()));
        file.open(QIODevice::ReadOnly);
        const auto record = parseCycleRecord(file.readAll());
        return std::holds_alternative<CycleRecord>(record)
                   ? std::get<CycleRecord>(record).schedule
                   : std::nullopt;
    }

    TimedField world;
    Form1& form = world.form;
    RecordingCuePlayer& cues = world.cues;
    RecordingSerialPort& port = world.port;
    ScheduleRunner& runner = world.timer.scheduleRunner();
    std::vector<long long> starts; // each START, in virtual ms
};

// Each part listens to the window only after the handlers have run, and to the runner only after
// it has been made: a part wired out of turn loses its events or reads half-done ones, and one of
// these checks fails.
TEST_F(TimerCompositionTest, RunsTheScheduleWithItsFramesWordsStateFileAndPageInTheWiredOrder) {
    form.Command5.click();
    ASSERT_TRUE(runUntil([&] { return starts.size() == 2; }, 5min));
    EXPECT_EQ(starts, (std::vector<long long>{0, 100000})) << "the schedule's times, then the gap";
    EXPECT_EQ(std::ranges::count(port.frames, RecordingCuePlayer::Played{80000, "R01G02T0020PT\r"}),
              1);
    Timeline words = cues.played();
    std::erase_if(words, [](const auto& cue) { return !cue.path.starts_with(R"(c:\schedule)"); });
    EXPECT_EQ(words, (Timeline{{82900, sounds::kRound},
                               {83800, sounds::numberCue(1)},
                               {85200, sounds::kGroup},
                               {86100, sounds::numberCue(2)}}));

    run(25'500ms);
    form.Command7.click();
    run(0ms);
    // STOP changes no digit, yet a board that reads the state learns of it.
    EXPECT_EQ(port.frames.back().path, "R01G02T0025ST\r");
    EXPECT_EQ(published(), (DisplayState{"00.00.25", "TEMPO OPERATIVO", CyclePhase::Stopped,
                                         ScheduledCycle{1, 2, 1, "A", "", ""}}));
    const auto place = recordedPlace();
    ASSERT_TRUE(place.has_value());
    EXPECT_EQ(std::tie(place->round, place->group, place->flight, place->state),
              std::tuple(0, 1, 0, ScheduleState::Paused));

    // A move of the schedule alone, with nothing on the window changing, reaches the page too.
    ASSERT_TRUE(runner.jumpTo({0, 0, 0}));
    run(0ms);
    EXPECT_EQ(published().schedule.value().group, 1);
}

// What the pilots' page and the remote are sent is a state the window showed once a handler had
// run, never one from the middle of a handler: START is READY in the preparation until the
// preparation's first tick writes its status, and the remote reads the phase.
TEST_F(TimerCompositionTest, EveryStateThePagesAreSentIsOneTheWindowShowed) {
    using Shown = std::tuple<std::string, std::string, CyclePhase>;
    std::set<Shown> shown;
    const auto look = [&] {
        std::string status = form.Label4.caption();
        status.erase(status.find_last_not_of(' ') + 1);
        shown.insert({form.Label2.caption(), status, cyclePhase(form)});
        return false;
    };
    std::vector<DisplayState> sent;
    world.timer.displayState().changed.connect(
        [&](const DisplayState& state) { sent.push_back(state); });
    std::vector<std::string> directorPhases;
    world.timer.cycle().settled.connect([&](const CycleSnapshot& snapshot) {
        directorPhases.emplace_back(phaseName(snapshot.phase));
    });
    look();
    form.Command5.click();
    world.runSoon();
    look();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(std::tie(sent.back().status, sent.back().phase),
              std::tuple("READY", CyclePhase::Preparation));
    EXPECT_EQ(directorPhases.back(), "preparation");
    world.time.advanceUntil(look, 100s);
    form.Command7.click();
    world.runSoon();
    look();
    for (const DisplayState& state : sent) {
        EXPECT_TRUE(shown.contains({state.time, state.status, state.phase}))
            << state.time << " " << state.status << " " << phaseName(state.phase);
    }
}

TEST_F(TimerCompositionTest, WithTheSixByteFrameStopSendsNothingOfItsOwn) {
    Schedule plain = runner.schedule();
    plain.extendedFrame = false;
    ASSERT_TRUE(runner.load(plain));
    form.Command5.click();
    run(25'500ms);
    const std::size_t sent = port.frames.size();
    form.Command7.click();
    EXPECT_EQ(port.frames.size(), sent) << "STOP changes no digit";
    EXPECT_EQ(port.frames.back().path, "A0025\r");
}

using Holds = std::vector<std::pair<long long, bool>>;

// The gap between two groups is part of the round: the screen must not blank there.
TEST_F(TimerCompositionTest, HoldsTheDisplayFromTheFirstStartThroughTheGapToTheLastLanding) {
    form.Command5.click();
    ASSERT_TRUE(runUntil([&] { return runner.state() == ScheduleRunner::State::Finished; }, 5min));
    run(1s);
    EXPECT_EQ(world.awake.holds, (Holds{{0, true}, {180000, false}}));
}

TEST_F(TimerCompositionTest, LetsTheDisplayGoAtStopAndHoldsItAgainAtTheNextStart) {
    form.Command5.click();
    run(10s);
    form.Command7.click();
    run(5s);
    form.Command2.click();
    run(5s);
    form.Command5.click();
    run(1s);
    EXPECT_EQ(world.awake.holds, (Holds{{0, true}, {10000, false}, {20000, true}}));
}

} // namespace
} // namespace aerolap::testing
