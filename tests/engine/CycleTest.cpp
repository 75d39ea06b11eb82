#include "EngineFixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>

namespace aerolap {
namespace {

using namespace testing;

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

class TaskCycle : public EngineFixture, public ::testing::WithParamInterface<Task> {};

TEST_P(TaskCycle, PlaysEveryCueAtItsMomentAndEndsReady) {
    if (GetParam().workingTime != nullptr) {
        form.Clock3.setClockTimeText(GetParam().workingTime);
    }
    (form.*GetParam().option).select();
    form.Command5.click();
    ASSERT_TRUE(runUntilReady());
    EXPECT_EQ(cues.played(), GetParam().cues);
    EXPECT_EQ(state(), "START T4 T5 | READY | 00.00.30 | 00.00.30");
    time.advance(60s); // the minute beeps never stop, yet nothing more sounds
    EXPECT_EQ(state(), "START T4 | READY | 00.00.30 | 00.00.30");
    EXPECT_EQ(cues.played(), GetParam().cues);
}

INSTANTIATE_TEST_SUITE_P(, TaskCycle, ::testing::ValuesIn(kTasks),
                         [](const auto& i) { return std::string(i.param.name); });

struct Gate {
    CheckBox Form1::*box;
    /// The runs this box is unticked in. No two boxes share the same three runs, so for any two
    /// boxes some run has the first unticked and the second ticked: six runs show that each box
    /// silences its own cues and no other box's.
    const char* untickedInRuns;
    std::vector<long long> silencedAtMs; // in the 10-minute cycle
};

const Gate kGates[] = {
    {&Form1::Check1, "XXX...", {87000, 90000}},
    {&Form1::Check3, "XX.X..", {147000, 150000}},
    {&Form1::Check5, "XX..X.", {207000, 210000}},
    {&Form1::Check6, "XX...X", {267000, 270000}},
    {&Form1::Check7, "X.XX..", {327000, 330000}},
    {&Form1::Check8, "X.X.X.", {387000, 390000}},
    {&Form1::Check9, "X.X..X", {447000, 450000}},
    {&Form1::Check10, "X..XX.", {507000, 510000}},
    {&Form1::Check11, "X..X.X", {567000, 570000}},
    {&Form1::Check14, "X...XX", {597000}},
    {&Form1::Check4, ".XXX..", {632000}},
    {&Form1::Check2, ".XX.X.", {0}},
    {&Form1::Check16,
     ".XX..X",
     {90000, 150000, 210000, 270000, 330000, 390000, 450000, 510000, 570000}},
};

class CueGating : public EngineFixture, public ::testing::WithParamInterface<int> {};

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

using Loop = EngineFixture;

TEST_F(Loop, RunsCycleAfterCycleWithoutDriftAndEndsNormallyOnceUnticked) {
    // A 15-second preparation and a working time of "00.01.10": 115 s with the landing window.
    constexpr long long kCycleMs = 115000, kCycles = 50;
    form.Clock2.setClockTimeText("00.00.15");
    form.Clock3.setClockTimeText("00.01.10");
    form.Option3.select();
    form.Check17.setValue(CheckBox::kChecked);
    form.Command5.click();
    time.advance(std::chrono::milliseconds(kCycles * kCycleMs - 1000));
    form.Check17.setValue(CheckBox::kUnchecked);
    ASSERT_TRUE(runUntilReady(2s));
    EXPECT_EQ(now(), kCycles * kCycleMs);

    Cues expected;
    for (long long startMs = 0; startMs < kCycles * kCycleMs; startMs += kCycleMs) {
        expected = expected + Cues{{startMs, kPreparation}, {startMs + 5000, kCount10}} +
                   countTo(startMs + 15000, kSiren) +
                   Cues{{startMs + 22000, kVoice1Minute},
                        {startMs + 25000, kMinuteBeep},
                        {startMs + 52000, kVoice30Seconds}} +
                   countTo(startMs + 85000, kSiren) + landingFrom(startMs + 85000);
    }
    EXPECT_EQ(cues.played(), expected);
    time.advance(std::chrono::milliseconds(2 * kCycleMs));
    EXPECT_EQ(cues.played().size(), expected.size());
}

} // namespace
} // namespace aerolap
