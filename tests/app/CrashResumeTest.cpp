#include "TimedComposition.h"
#include "engine/CyclePhase.h"
#include "recovery/StateFile.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;
using Ms = std::chrono::milliseconds;
using Timeline = std::vector<RecordingCuePlayer::Played>;

/// Everything of the window and the schedule that decides what comes next: equal at one moment,
/// two timers go on alike.
std::string describe(TimerComposition& timer) {
    Form1& form = timer.form();
    std::ostringstream out;
    out << form.Label2.caption() << '|' << form.Label4.caption() << '|'
        << form.Clock1.clockTimeText() << '|' << form.Clock2.clockTimeText() << '|'
        << form.Clock3.clockTimeText() << '|';
    if (const auto started = form.Clock1.countStartedAt()) {
        out << started->time_since_epoch().count();
    }
    out << "|timers ";
    for (const Timer* each :
         {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer4, &form.Timer5, &form.Timer6}) {
        out << each->enabled();
    }
    out << "|buttons ";
    for (const CommandButton* each :
         {&form.Command5, &form.Command7, &form.Command2, &form.Command3}) {
        out << each->visible();
    }
    out << "|latches ";
    for (const auto latch : CueLatches::kAll) {
        out << int{form.latches.*latch};
    }
    out << "|tasks " << form.Option1.selected() << form.Option2.selected()
        << form.Option3.selected() << form.Option4.selected() << "|loop " << form.Check17.value()
        << " 3min " << form.Check9.value();
    if (timer.scheduleRunner().loaded()) {
        const auto& [round, group, flight] = timer.scheduleRunner().position();
        out << "|schedule " << round << group << flight << ' '
            << static_cast<int>(timer.scheduleRunner().state());
    }
    return out.str();
}

Timeline within(const Timeline& timeline, long long from, long long to) {
    Timeline part;
    std::ranges::copy_if(timeline, std::back_inserter(part),
                         [&](const auto& each) { return each.atMs >= from && each.atMs < to; });
    return part;
}

/// One way a cycle can run: the operator's set-up before START, how long to follow it, and the
/// Vuz landing button when it is pressed.
struct Scenario {
    const char* name;
    std::function<void(TimedComposition&, const std::string& folder)> setUp;
    int seconds;
    std::optional<int> landingButtonAt = std::nullopt;
    /// A new timer resumed half a second past every this many seconds too.
    int halfSecondEvery = 7;
};

void choose(TimedComposition& timer, OptionButton Form1::*task, const char* preparation,
            const char* working = nullptr) {
    timer.timer.load(std::nullopt);
    (timer.form.*task).select();
    timer.form.Clock2.commitEdit(preparation);
    if (working) {
        timer.form.Clock3.commitEdit(working);
    }
}

const Scenario kScenarios[] = {
    {"TenMinutes", [](auto& t, auto&) { choose(t, &Form1::Option2, "00.00.30"); }, 662, {}, 29},
    {"ProvaE", [](auto& t, auto&) { choose(t, &Form1::Option1, "00.00.12"); }, 224},
    {"Vuz", [](auto& t, auto&) { choose(t, &Form1::Option4, "00.00.15"); }, 227},
    {"VuzLandingButtonAt60s", [](auto& t, auto&) { choose(t, &Form1::Option4, "00.00.15"); }, 108,
     60},
    // The minute beeps run on in the second cycle's preparation, which has a minute in it.
    {"FreeTaskLoopedWithBoxesOff",
     [](auto& t, auto&) {
         choose(t, &Form1::Option3, "00.01.04", "00.01.07");
         t.form.Check17.setValue(CheckBox::kChecked);
         t.form.Check14.setValue(CheckBox::kUnchecked);
         t.form.Check2.setValue(CheckBox::kUnchecked);
     },
     2 * (64 + 67 + 30) + 5},
    {"ScheduleOfTwoGroups",
     [](auto& t, const std::string& folder) {
         const std::string path = folder + "/day.json";
         std::ofstream(path) << R"({"preparation": "00.00.08", "gap": "00.00.06",
             "rounds": [{"task": "A", "working": "00.00.40", "groups": 2}]})";
         t.timer.load(path);
     },
     2 * (8 + 40 + 30) + 6 + 3},
};

class CrashResume : public ::testing::TestWithParam<Scenario> {};

struct ResumedComposition : TimedComposition {
    using TimedComposition::TimedComposition;
    Timeline startUpFrames;
};

/// What `crashed` has written in its state file by now.
std::string stateLeftBy(TimedComposition& crashed) {
    crashed.settle();
    std::ifstream file(crashed.stateFile());
    return {std::istreambuf_iterator<char>(file), {}};
}

/// A timer started at `moment` after a crash that left `state`, which answers Yes to the question.
std::unique_ptr<ResumedComposition> resumedAt(const std::string& state, Ms moment) {
    auto resumed = std::make_unique<ResumedComposition>(moment);
    std::ofstream(resumed->stateFile()) << state;
    resumed->messageBoxes.answerNext(MessageAnswer::Yes);
    // What the display gets from the start-up itself is no part of the resumed cycle.
    resumed->messageBoxes.beforeAnswer = [&resumed = *resumed] {
        resumed.startUpFrames = std::exchange(resumed.port.frames, {});
    };
    resumed->timer.load(std::nullopt);
    resumed->runSoon();
    return resumed;
}

// The judge of the catch-up: a timer that crashed in any second of any phase and is started again
// at the next second goes on exactly as the uninterrupted one, with its state, its frames and its
// cues, and its question says where it stands. Started again in the middle of the second (every
// few seconds), the display gets that second's frame at once and its cue, past, stays unplayed.
TEST_P(CrashResume, GoesOnFromEverySecondAsTheUninterruptedCycle) {
    const Scenario& scenario = GetParam();
    TimedComposition uninterrupted;
    scenario.setUp(uninterrupted, uninterrupted.stateFolder.path().toStdString());
    uninterrupted.run(1'234ms); // START at no particular moment of the virtual day
    const long long start = uninterrupted.time.elapsed().count();
    uninterrupted.form.Command5.click();
    uninterrupted.run(500ms);
    for (int second = 1; second < scenario.seconds; ++second) {
        SCOPED_TRACE("crash in second " + std::to_string(second - 1) + " after START");
        const long long crash = start + second * 1000LL - 500;
        const long long next = crash + 1000;
        const CyclePhase phase = cyclePhase(uninterrupted.form);
        const bool cycleRuns = phase != CyclePhase::Ready && phase != CyclePhase::Stopped;
        const std::string state = stateLeftBy(uninterrupted);
        std::unique_ptr<ResumedComposition> atOnce;
        // Pressed on the second, after a crash in the half second before it.
        const bool pressed = scenario.landingButtonAt == second;
        if (cycleRuns && !pressed && second % scenario.halfSecondEvery == 0) {
            atOnce = resumedAt(state, Ms(crash));
            EXPECT_EQ(describe(atOnce->timer), describe(uninterrupted.timer)) << "at once";
            const auto& shown =
                atOnce->port.frames.empty() ? atOnce->startUpFrames : atOnce->port.frames;
            EXPECT_EQ(shown.back().path, uninterrupted.port.frames.back().path)
                << "the display shows the second at once";
        }
        uninterrupted.run(500ms);
        if (atOnce) {
            atOnce->run(500ms);
        }
        auto resumed = resumedAt(state, Ms(crash + 500));
        const auto& asked = resumed->messageBoxes.shown();
        if (pressed) {
            uninterrupted.form.Command3.click();
        }
        if (!cycleRuns || pressed) {
            EXPECT_TRUE(asked.empty() || pressed) << "nothing to resume between cycles";
            uninterrupted.run(500ms);
            continue;
        }
        ASSERT_EQ(asked.size(), 1U);
        const std::string time = uninterrupted.form.Clock1.clockTimeText();
        EXPECT_NE(asked[0].text.find("Resume the cycle that was running?"), std::string::npos);
        if (uninterrupted.form.Clock1.counting()) {
            EXPECT_NE(asked[0].text.find(time.substr(3, 2) + ":" + time.substr(6, 2) + " left"),
                      std::string::npos)
                << asked[0].text << " while the clock shows " << time;
        }
        EXPECT_EQ(describe(resumed->timer), describe(uninterrupted.timer));

        uninterrupted.runUntil([&] { return uninterrupted.time.elapsed().count() == next; }, 1s);
        resumed->run(500ms);
        EXPECT_EQ(within(resumed->cues.played(), crash + 500, next),
                  within(uninterrupted.cues.played(), crash + 500, next));
        EXPECT_EQ(within(resumed->port.frames, crash + 500, next),
                  within(uninterrupted.port.frames, crash + 500, next));
        if (atOnce) {
            atOnce->run(500ms);
            EXPECT_EQ(within(atOnce->cues.played(), crash, next),
                      within(uninterrupted.cues.played(), crash, next));
            EXPECT_EQ(within(atOnce->port.frames, crash + 1, next),
                      within(uninterrupted.port.frames, crash + 1, next));
        }
        if (HasFailure()) {
            return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, CrashResume, ::testing::ValuesIn(kScenarios),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace aerolap::testing
