#include "app/TimerComposition.h"

#include "RecordingCuePlayer.h"
#include "RecordingSerialPort.h"
#include "ScriptedMessageBoxes.h"
#include "SystemServiceDoubles.h"
#include "app/DisplayAwakeWhileRunning.h"
#include "audio/ScheduleSoundFiles.h"
#include "schedule/ScheduleStateFile.h"

#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;
using Timeline = std::vector<RecordingCuePlayer::Played>;

/// One round of two groups with the extended frame: 20 seconds of preparation, 30 of working
/// time, 20 between the cycles.
constexpr char kTwoGroups[] = R"({"preparation": "00.00.20", "gap": "00.00.20",
    "extended_frame": true, "rounds": [{"task": "A", "working": "00.00.30", "groups": 2}]})";

/// The whole timer as the program wires it, in virtual time, started with a schedule file; the
/// tasks it asks to run soon run once the virtual millisecond's timers have fired.
class TimerCompositionTest : public ::testing::Test {
protected:
    TimerCompositionTest() {
        for (Timer* each : timer.timers()) {
            time.attach(*each);
        }
        std::ofstream(path) << kTwoGroups;
        timer.load(path);
        EXPECT_TRUE(messageBoxes.shown().empty()) << "the file is good and has no state to resume";
        form.Command5.clicked.connect([this] { starts.push_back(time.elapsed().count()); });
    }
    /// Runs what the last step asked for, then virtual time until `done` or `limit`.
    bool runUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
        const auto runSoonTasks = [this, &done] {
            for (std::size_t i = 0; i < soon.size(); ++i) {
                soon[i]();
            }
            soon.clear();
            return done();
        };
        return runSoonTasks() || time.advanceUntil(runSoonTasks, limit);
    }
    void run(std::chrono::milliseconds duration) {
        runUntil([] { return false; }, duration);
    }
    const DisplayState& published() const { return timer.displayState().current(); }

    VirtualTime time;
    RecordingCuePlayer cues{time};
    RecordingSerialPort port{time};
    ScriptedMessageBoxes messageBoxes;
    SystemServiceDoubles system;
    std::vector<std::function<void()>> soon;
    std::ostringstream noticeLines;
    NoticeBoard notices{time.wall, noticeLines};
    QTemporaryDir stateFolder;
    TimerComposition timer{system.servicesWith(time, cues, port, messageBoxes),
                           [this](auto task) { soon.push_back(std::move(task)); },
                           {time.wall, time.slept, notices, stateFolder.path().toStdString()}};
    Form1& form = timer.form();
    ScheduleRunner& runner = timer.scheduleRunner();
    QTemporaryDir folder;
    std::string path = folder.filePath(QStringLiteral("day.json")).toStdString();
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
    EXPECT_EQ(readScheduleState(path), (SavedPosition{{0, 1, 0}, false, false}));

    // A move of the schedule alone, with nothing on the window changing, reaches the page too.
    ASSERT_TRUE(runner.jumpTo({0, 0, 0}));
    run(0ms);
    EXPECT_EQ(published().schedule.value().group, 1);
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

/// The display holds asked of the system, each at its virtual millisecond.
struct RecordingStayAwake final : StayAwake {
    explicit RecordingStayAwake(const VirtualTime& clock) : time(clock) {}
    void holdDisplay(bool held) override { holds.emplace_back(time.elapsed().count(), held); }

    const VirtualTime& time;
    std::vector<std::pair<long long, bool>> holds;
};

using Holds = std::vector<std::pair<long long, bool>>;

// The gap between two groups is part of the round: the screen must not blank there.
TEST_F(TimerCompositionTest, HoldsTheDisplayFromTheFirstStartThroughTheGapToTheLastLanding) {
    RecordingStayAwake awake(time);
    DisplayAwakeWhileRunning displayAwake(form, runner, timer.displayState(), awake);
    form.Command5.click();
    ASSERT_TRUE(runUntil([&] { return runner.state() == ScheduleRunner::State::Finished; }, 5min));
    run(1s);
    EXPECT_EQ(awake.holds, (Holds{{0, true}, {180000, false}}));
}

TEST_F(TimerCompositionTest, LetsTheDisplayGoAtStopAndHoldsItAgainAtTheNextStart) {
    RecordingStayAwake awake(time);
    DisplayAwakeWhileRunning displayAwake(form, runner, timer.displayState(), awake);
    form.Command5.click();
    run(10s);
    form.Command7.click();
    run(5s);
    form.Command2.click();
    run(5s);
    form.Command5.click();
    run(1s);
    EXPECT_EQ(awake.holds, (Holds{{0, true}, {10000, false}, {20000, true}}));
}

} // namespace
} // namespace aerolap::testing
