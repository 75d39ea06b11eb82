#include "CycleTrace.h"
#include "ExpectedCycles.h"
#include "MainWindowFixture.h"

#include <gtest/gtest.h>
#include <ostream>

namespace aerolap {
namespace {

using namespace std::chrono_literals;
using testing::CueList;
using testing::CycleTrace;
using namespace aerolap::sounds;

struct TaskMode {
    const char* name;
    OptionButton Form1::*option;
    const char* freeWorkingTime; // typed into the working-time clock first; null for none
    CueList cues;
    // The display captions written in the millisecond of each phase change after START.
    std::vector<CycleTrace::At<std::vector<std::string>>> displayAtPhaseChanges;
    std::vector<CycleTrace::At<bool>> landingButton;
};

void PrintTo(const TaskMode& param, std::ostream* out) {
    *out << param.name;
}

const TaskMode kModes[] = {
    {"TenMinutes",
     &Form1::Option2,
     nullptr,
     testing::kTenMinuteCycle,
     {{30000, {"00.00.00", "00.10.00"}},
      {630000, {"00.00.00", "00.00.30"}},
      {660000, {"00.00.00", "00.00.30"}}},
     {}},
    {"ProvaE",
     &Form1::Option1,
     nullptr,
     testing::kStandardPreparation + testing::kThreeMinuteWorkingAndLanding,
     {{30000, {"00.00.00", "00.03.00"}},
      {210000, {"00.00.00", "00.00.30"}},
      {240000, {"00.00.00", "00.00.30"}}},
     {}},
    {"FreeFiveMinutes",
     &Form1::Option3,
     "00.05.00",
     testing::kStandardPreparation +
         CueList{
             // A working time that starts on a whole minute beeps on the first minute poll.
             {30010, kMinuteBeep, "00.05.00"},  {87000, kVoice4Minutes, "00.04.03"},
             {90000, kMinuteBeep, "00.04.00"},  {147000, kVoice3Minutes, "00.03.03"},
             {150000, kMinuteBeep, "00.03.00"}, {207000, kVoice2Minutes, "00.02.03"},
             {210000, kMinuteBeep, "00.02.00"}, {267000, kVoice1Minute, "00.01.03"},
             {270000, kMinuteBeep, "00.01.00"}, {297000, kVoice30Seconds, "00.00.33"},
             {325000, kCount5, "00.00.05"},     {326000, kCount4, "00.00.04"},
             {327000, kCount3, "00.00.03"},     {328000, kCount2, "00.00.02"},
             {329000, kCount1, "00.00.01"},     {330000, kSiren, "00.00.00"},
             {332000, kLanding, "00.00.28"},    {350000, kCount10, "00.00.10"},
             {355000, kCount5, "00.00.05"},     {356000, kCount4, "00.00.04"},
             {357000, kCount3, "00.00.03"},     {358000, kCount2, "00.00.02"},
             {359000, kCount1, "00.00.01"},     {360000, kEndOfLanding, "00.00.00"},
         },
     {{30000, {"00.00.00", "00.05.00"}},
      {330000, {"00.00.00", "00.00.30"}},
      {360000, {"00.00.00", "00.00.30"}}},
     {}},
    // The empty working time ends on the first working-time poll, 10 ms in; the landing window
    // still counts from the moment the preparation ran out.
    {"FreeZeroGoesStraightToLanding",
     &Form1::Option3,
     "00.00.00",
     testing::kStandardPreparation +
         CueList{
             {30010, kSiren, "00.00.00"},
             {32000, kLanding, "00.00.28"},
             {50000, kCount10, "00.00.10"},
             {55000, kCount5, "00.00.05"},
             {56000, kCount4, "00.00.04"},
             {57000, kCount3, "00.00.03"},
             {58000, kCount2, "00.00.02"},
             {59000, kCount1, "00.00.01"},
             {60000, kEndOfLanding, "00.00.00"},
         },
     {{30000, {"00.00.00"}}, {30010, {"00.00.30"}}, {60000, {"00.00.00", "00.00.30"}}},
     {}},
    {"Vuz",
     &Form1::Option4,
     nullptr,
     testing::kVuzPreparation + testing::kThreeMinuteWorkingAndLanding,
     {{30000, {"00.00.00", "00.03.00"}},
      {210000, {"00.00.00", "00.00.30"}},
      {240000, {"00.00.00", "00.00.30"}}},
     {{30000, true}, {210000, false}}},
};

class TaskModeCycle : public testing::MainWindowFixture,
                      public ::testing::WithParamInterface<TaskMode> {
protected:
    void runOneCycle() {
        const TaskMode& mode = GetParam();
        if (mode.freeWorkingTime != nullptr) {
            form.Clock3.setClockTimeText(mode.freeWorkingTime);
        }
        (form.*mode.option).select();
        m_startMs = time.elapsed().count();
        form.Command5.click();
        ASSERT_TRUE(trace.runUntilReady(20min));
    }

    long long sinceStart(long long atMs) const { return atMs - m_startMs; }

    CycleTrace trace{time, form};
    long long m_startMs = 0;
};

TEST_P(TaskModeCycle, AsksForEveryCueInOrderAndEndsReady) {
    runOneCycle();
    const TaskMode& mode = GetParam();

    EXPECT_EQ(testing::playedSince(cues, m_startMs), testing::asPlayed(mode.cues));

    ASSERT_EQ(trace.phases().size(), 5U);
    for (std::size_t i = 0; i < mode.displayAtPhaseChanges.size(); ++i) {
        const auto& change = trace.phases()[i + 2]; // after Ready and the START into Preparation
        EXPECT_EQ(sinceStart(change.atMs), mode.displayAtPhaseChanges[i].atMs);
        EXPECT_EQ(trace.displayAt(change.atMs), mode.displayAtPhaseChanges[i].value);
    }

    std::vector<std::string> statusLines;
    for (const auto& status : trace.statusLine()) {
        statusLines.push_back(status.value);
    }
    EXPECT_EQ(statusLines, (std::vector<std::string>{"PREPARAZIONE", "TEMPO OPERATIVO",
                                                     "ATTERRAGGIO IN 30 SECONDI", "READY"}));

    std::vector<CycleTrace::At<bool>> landingButton;
    for (const auto& change : trace.landingButton()) {
        landingButton.push_back({sinceStart(change.atMs), change.value});
    }
    EXPECT_EQ(landingButton, mode.landingButton);

    EXPECT_TRUE(form.Command5.visible());
    EXPECT_FALSE(form.Command7.visible());
    EXPECT_FALSE(form.Command2.visible());
    EXPECT_FALSE(form.Command3.visible());
    EXPECT_EQ(form.Label4.caption(), "READY");
    EXPECT_EQ(form.Label2.caption(), "00.00.30");
    EXPECT_EQ(form.Clock1.clockTimeText(), "00.00.30");
    EXPECT_FALSE(form.Clock1.counting());
    EXPECT_TRUE(form.Timer4.enabled()) << "the minute beeps never stop";

    const auto cuesAtEnd = cues.played().size();
    time.advance(60s);
    EXPECT_EQ(cues.played().size(), cuesAtEnd);
    EXPECT_EQ(form.Clock1.clockTimeText(), "00.00.30");
}

TEST_P(TaskModeCycle, FollowsTheClockWithinOnePoll) {
    runOneCycle();
    const CueList& expected = GetParam().cues;
    const auto& played = cues.played();
    ASSERT_EQ(played.size(), expected.size());
    for (std::size_t i = 0; i < played.size(); ++i) {
        if (expected[i].trigger == nullptr) {
            continue;
        }
        const long long late =
            played[i].atMs - trace.firstShown(expected[i].trigger, played[i].atMs);
        EXPECT_GE(late, 0) << played[i].path << " at " << played[i].atMs;
        EXPECT_LE(late, 10) << played[i].path << " at " << played[i].atMs;
    }
    for (std::size_t i = 2; i < trace.phases().size(); ++i) {
        const long long at = trace.phases()[i].atMs;
        EXPECT_LE(at - trace.firstShown("00.00.00", at), 10) << "phase change " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(, TaskModeCycle, ::testing::ValuesIn(kModes),
                         [](const auto& instance) { return std::string(instance.param.name); });

} // namespace
} // namespace aerolap
