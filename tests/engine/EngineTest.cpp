#include "TimedWindow.h"
#include "audio/SoundFiles.h"
#include "engine/CyclePhase.h"
#include "engine/FineTimersDuringCycle.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>

namespace aerolap {
namespace {

using namespace std::chrono_literals;
using namespace aerolap::sounds;
using Cues = std::vector<testing::RecordingCuePlayer::Played>;

Cues operator+(Cues head, const Cues& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

Cues shifted(Cues cues, long long byMs) {
    for (auto& cue : cues) {
        cue.atMs += byMs;
    }
    return cues;
}

/// "Five" to "one" a second apart, then `last` at `endMs`.
Cues countTo(long long endMs, const char* last) {
    Cues cues;
    for (const char* count : {kCount5, kCount4, kCount3, kCount2, kCount1, last}) {
        cues.push_back({endMs - 5000 + 1000 * std::ssize(cues), count});
    }
    return cues;
}

/// The landing window of a working time that ran out at `fromMs`.
Cues landingFrom(long long fromMs) {
    return shifted({{2000, kLanding}, {20000, kCount10}}, fromMs) +
           countTo(fromMs + 30000, kEndOfLanding);
}

/// A 30-second preparation from START at `fromMs`: spoken, or beeped for the Vuz task.
Cues preparationFrom(long long fromMs, bool vuz = false) {
    const Cues vuzEnd{
        {25000, kCount5},  {27000, kBeepVuz},      {28000, kBeepVuz},
        {29000, kBeepVuz}, {30000, kBeep3Seconds},
    };
    return shifted(Cues{{0, kPreparation}, {20000, kCount10}} +
                       (vuz ? vuzEnd : countTo(30000, kSiren)),
                   fromMs);
}

/// A working time of `minutes` from `fromMs` and its landing window: each lower minute spoken
/// three seconds early and beeped on the minute, then thirty seconds and the count.
Cues workingTimeCues(int minutes, long long fromMs = 30000) {
    Cues cues;
    for (int minute = minutes - 1; minute >= 1; --minute) {
        const long long atMs = fromMs + (minutes - minute) * 60000LL;
        const std::string voice{kAll[static_cast<std::size_t>(9 - minute)]}; // 9 minutes first
        cues = cues + Cues{{atMs - 3000, voice}, {atMs, kMinuteBeep}};
    }
    const long long endMs = fromMs + minutes * 60000LL;
    return cues + Cues{{endMs - 33000, kVoice30Seconds}} + countTo(endMs, kSiren) +
           landingFrom(endMs);
}

/// The main window, with a one-line picture of its cycle.
class Engine : public testing::MainWindowFixture {
protected:
    long long now() const { return time.elapsed().count(); }

    bool runUntilReady(std::chrono::milliseconds limit = 20min) {
        return time.advanceUntil([this] { return cyclePhase(form) == CyclePhase::Ready; }, limit);
    }

    /// The buttons shown, the timers running, the status line, the display and the running clock.
    std::string state() const {
        std::string out;
        for (auto [button, name] : {std::pair{&form.Command5, "START "},
                                    {&form.Command7, "STOP "},
                                    {&form.Command2, "RESET "},
                                    {&form.Command3, "LANDING "}}) {
            out += button->visible() ? name : "";
        }
        for (std::size_t i = 0; i < kTimers.size(); ++i) {
            if ((form.*kTimers[i]).enabled()) {
                out.append("T").append(std::to_string(i + 1)).append(" ");
            }
        }
        return out + "| " + form.Label4.caption() + " | " + form.Label2.caption() + " | " +
               form.Clock1.clockTimeText() + (form.Clock1.counting() ? " counting" : "");
    }
};

template <typename Row>
class EngineWith : public Engine, public ::testing::WithParamInterface<Row> {};
const auto rowName = [](const auto& i) { return std::string(i.param.name); };

struct Task {
    const char* name;
    OptionButton Form1::*option;
    const char* workingTime; // typed into the working-time clock first; null for none
    Cues cues;
    friend void PrintTo(const Task& task, std::ostream* out) { *out << task.name; }
};

// The 3-minute tasks untick the 3-minute box, so they do not beep as the working time starts;
// the free 5-minute one does. An empty working time ends on its first poll.
const Task kTasks[] = {
    {"TenMinutes", &Form1::Option2, nullptr, preparationFrom(0) + workingTimeCues(10)},
    {"ProvaE", &Form1::Option1, nullptr, preparationFrom(0) + workingTimeCues(3)},
    {"FreeFiveMinutes", &Form1::Option3, "00.05.00",
     preparationFrom(0) + Cues{{30010, kMinuteBeep}} + workingTimeCues(5)},
    {"FreeZero", &Form1::Option3, "00.00.00",
     preparationFrom(0) + Cues{{30010, kSiren}} + landingFrom(30000)},
    {"Vuz", &Form1::Option4, nullptr, preparationFrom(0, true) + workingTimeCues(3)},
};

using TaskCycle = EngineWith<Task>;

TEST_P(TaskCycle, PlaysEveryCueAtItsMomentAndEndsReady) {
    if (GetParam().workingTime != nullptr) {
        form.Clock3.setClockTimeText(GetParam().workingTime);
    }
    (form.*GetParam().option).select();
    form.Command5.click();
    ASSERT_TRUE(runUntilReady());
    EXPECT_EQ(state(), "START T4 T5 | READY | 00.00.30 | 00.00.30"); // the latches are re-armed
    time.advance(60s); // the minute beeps never stop, yet nothing more sounds
    EXPECT_EQ(cues.played(), GetParam().cues);
    EXPECT_EQ(state(), "START T4 | READY | 00.00.30 | 00.00.30");
}

INSTANTIATE_TEST_SUITE_P(, TaskCycle, ::testing::ValuesIn(kTasks), rowName);

// On a busy event loop every tick runs 3 ms late. The polls keep to the running clock's second
// grid, so each cue still sounds those 3 ms after its second, phase after phase, not later.
TEST_F(Engine, PollsKeepInStepWithTheSecondsWhenEveryTickRunsLate) {
    time.tickLateness = 3ms;
    form.Option1.select();
    form.Command5.click();
    ASSERT_TRUE(runUntilReady());
    const Cues expected = preparationFrom(0) + workingTimeCues(3);
    ASSERT_EQ(cues.played().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        // START's own cue comes from the click, not from a poll.
        EXPECT_EQ(cues.played()[i].atMs, expected[i].atMs + (i == 0 ? 0 : 3)) << expected[i].path;
    }
}

// For any two boxes some run has the first unticked and the second ticked, as no two share the
// same three runs: six 10-minute cycles show that each silences its own cues and no other's.
struct Gate {
    CheckBox Form1::*box;
    const char* untickedInRuns;
    std::vector<long long> silencedAtMs;
};

const std::vector<long long> kMinuteBeepsMs{90000,  150000, 210000, 270000, 330000,
                                            390000, 450000, 510000, 570000};
const Gate kGates[] = {
    {&Form1::Check1, "XXX...", {87000, 90000}},    {&Form1::Check3, "XX.X..", {147000, 150000}},
    {&Form1::Check5, "XX..X.", {207000, 210000}},  {&Form1::Check6, "XX...X", {267000, 270000}},
    {&Form1::Check7, "X.XX..", {327000, 330000}},  {&Form1::Check8, "X.X.X.", {387000, 390000}},
    {&Form1::Check9, "X.X..X", {447000, 450000}},  {&Form1::Check10, "X..XX.", {507000, 510000}},
    {&Form1::Check11, "X..X.X", {567000, 570000}}, {&Form1::Check14, "X...XX", {597000}},
    {&Form1::Check4, ".XXX..", {632000}},          {&Form1::Check2, ".XX.X.", {0}},
    {&Form1::Check16, ".XX..X", kMinuteBeepsMs},
};

class CueGating : public Engine, public ::testing::WithParamInterface<int> {};

TEST_P(CueGating, UntickedBoxesSilenceExactlyTheirCues) {
    Cues expected = preparationFrom(0) + workingTimeCues(10);
    for (const Gate& gate : kGates) {
        if (gate.untickedInRuns[GetParam()] == 'X') {
            // Anything but 1 counts as unticked.
            (form.*gate.box).setValue(gate.box == &Form1::Check5 ? CheckBox::kGrayed : 0);
            std::erase_if(expected, [&](const auto& cue) {
                return std::ranges::count(gate.silencedAtMs, cue.atMs);
            });
        }
    }
    form.Command5.click();
    ASSERT_TRUE(runUntilReady());
    EXPECT_EQ(cues.played(), expected);
}

INSTANTIATE_TEST_SUITE_P(, CueGating, ::testing::Range(0, 6),
                         [](const auto& i) { return "Run" + std::to_string(i.param); });

struct Stop {
    const char* name;
    OptionButton Form1::*option;
    long long atMs;
    const char* stopped; // the state STOP leaves, which five more seconds do not change
    friend void PrintTo(const Stop& stop, std::ostream* out) { *out << stop.name; }
};

const Stop kStops[] = {
    {"Preparation", &Form1::Option2, 26500, "RESET | PREPARAZIONE | 00.00.04 | 00.00.04"},
    {"VuzPreparation", &Form1::Option4, 27500, "RESET | PREPARAZIONE | 00.00.03 | 00.00.03"},
    {"WorkingTime", &Form1::Option2, 100000, "RESET T4 | TEMPO OPERATIVO | 00.08.50 | 00.08.50"},
    {"VuzWorkingTime", &Form1::Option4, 100000, "RESET T4 | TEMPO OPERATIVO | 00.01.50 | 00.01.50"},
    {"Landing", &Form1::Option1, 232500,
     "RESET T4 | ATTERRAGGIO IN 30 SECONDI | 00.00.08 | 00.00.08"},
};

using StopReset = EngineWith<Stop>;

TEST_P(StopReset, StopHaltsThePhaseResetMakesReadyAndStartRunsAFullPreparation) {
    const Stop& stop = GetParam();
    (form.*stop.option).select();
    const std::string workingTime = form.Clock3.clockTimeText(); // what RESET writes back
    form.Command5.click();
    time.advance(std::chrono::milliseconds(stop.atMs));
    form.Command7.click();
    const auto cuesAtStop = std::ssize(cues.played());
    EXPECT_EQ(state(), stop.stopped);
    time.advance(5s);
    EXPECT_EQ(state(), stop.stopped);
    EXPECT_EQ(std::ssize(cues.played()), cuesAtStop);

    form.Clock3.setClockTimeText("00.07.00");
    form.Command2.click();
    EXPECT_EQ(state(), std::string(stop.atMs > 30000 ? "START T4 " : "START ") +
                           "| READY | 00.00.30 | 00.00.30");
    EXPECT_EQ(form.Clock3.clockTimeText(), workingTime);

    const long long restartMs = now();
    form.Command5.click();
    time.advance(30s);
    const bool vuz = stop.option == &Form1::Option4;
    EXPECT_EQ(Cues(cues.played().begin() + cuesAtStop, cues.played().end()),
              preparationFrom(restartMs, vuz));
    EXPECT_EQ(state(), std::string(vuz ? "STOP LANDING" : "STOP") + " T3 T4 T5 | PREPARAZIONE | " +
                           workingTime + " | " + workingTime + " counting");
}

INSTANTIATE_TEST_SUITE_P(, StopReset, ::testing::ValuesIn(kStops), rowName);

TEST_F(Engine, LandingButtonEndsTheVuzWorkingTimeAndOpensTheLandingWindow) {
    form.Option4.select();
    form.Command5.click();
    time.advance(100s);
    EXPECT_EQ(state(), "STOP LANDING T3 T4 | TEMPO OPERATIVO | 00.01.50 | 00.01.50 counting");
    std::vector<std::string> shown;
    form.Label2.changed.connect([&] { shown.push_back(form.Label2.caption()); });
    form.Command3.click();
    EXPECT_EQ(shown,
              (std::vector<std::string>{"00.00.00", "00.00.30"})); // the cut-off time ran out
    EXPECT_EQ(state(), "STOP T1 T4 T5 | TEMPO OPERATIVO | 00.00.30 | 00.00.30 counting");
    ASSERT_TRUE(runUntilReady(31s));
    EXPECT_EQ(now(), 130000);
    const Cues toTheButton =
        preparationFrom(0, true) +
        Cues{{87000, kVoice2Minutes}, {90000, kMinuteBeep}, {100000, kLandingButtonSiren}};
    EXPECT_EQ(cues.played(), toTheButton + landingFrom(100000));
}

/// Writes down each change of the timer resolution asked for, with its moment.
struct RecordingTimerResolution final : TimerResolution {
    explicit RecordingTimerResolution(const testing::VirtualTime& clock) : time(clock) {}
    void setFine(bool fine) override {
        if (changes.empty() || changes.back().second != fine) {
            changes.emplace_back(time.elapsed().count(), fine);
        }
    }
    const testing::VirtualTime& time;
    std::vector<std::pair<long long, bool>> changes;
};

// Fine timers cost the whole machine's battery: held from START to the end of the landing
// window, and again from the next START to STOP, never at READY or after STOP, and not let go
// for a moment between two phases.
TEST_F(Engine, AsksForFineTimersOnlyWhileACycleRuns) {
    RecordingTimerResolution resolution(time);
    keepTimersFineDuringCycle(cycle, resolution);
    time.advance(2s);
    form.Command5.click();
    time.runSoonTasks();
    ASSERT_TRUE(time.advanceUntil([&] { return cyclePhase(form) == CyclePhase::Ready; }, 20min));
    const long long endMs = now();
    time.advance(10s);
    form.Command5.click();
    time.advance(40s);
    form.Command7.click();
    time.advance(10s);
    using Changes = std::vector<std::pair<long long, bool>>;
    EXPECT_EQ(resolution.changes, (Changes{{0, false},
                                           {2000, true},
                                           {endMs, false},
                                           {endMs + 10000, true},
                                           {endMs + 50000, false}}));
    EXPECT_EQ(endMs, 2000 + 30000 + 600000 + 30000);
}

TEST_F(Engine, LoopRunsCycleAfterCycleWithoutDriftAndEndsNormallyOnceUnticked) {
    constexpr long long kCycleMs = 120000, kCycles = 50; // with a working time of one minute
    form.Clock3.setClockTimeText("00.01.00");
    form.Option3.select();
    form.Check17.setValue(CheckBox::kChecked);
    form.Command5.click();
    time.advance(std::chrono::milliseconds(kCycles * kCycleMs - 1000));
    form.Check17.setValue(CheckBox::kUnchecked);
    ASSERT_TRUE(runUntilReady(2s));
    EXPECT_EQ(now(), kCycles * kCycleMs);
    Cues expected;
    for (long long startMs = 0; startMs < kCycles * kCycleMs; startMs += kCycleMs) {
        expected = expected + preparationFrom(startMs) + Cues{{startMs + 30010, kMinuteBeep}} +
                   workingTimeCues(1, startMs + 30000);
    }
    time.advance(std::chrono::milliseconds(2 * kCycleMs));
    EXPECT_EQ(cues.played(), expected);
}

TEST_F(Engine, StartsUpReadyAndWithTheSetUpPanelAndTheLanguageBoxesOutOfReach) {
    EXPECT_FALSE(form.Check12.enabled() || form.Check13.enabled() || form.Frame1.visible() ||
                 form.Label7.visible() || form.Label8.visible() || form.Label9.visible());
    EXPECT_TRUE(form.Clock2.visible() && form.Clock2.editable() && form.Clock3.visible() &&
                form.Clock3.editable() && !form.Clock1.visible() && !form.Clock1.editable());
    time.advance(60s);
    EXPECT_EQ(state(), "START | READY  | 00.00.30 | 00.00.30"); // the task option wrote "READY "
    EXPECT_TRUE(cues.played().empty());
}

} // namespace
} // namespace aerolap
