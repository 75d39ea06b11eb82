#include "ExpectedCycles.h"
#include "MainWindowFixture.h"
#include "engine/CyclePhase.h"

#include <gtest/gtest.h>
#include <ostream>

namespace aerolap {
namespace {

using namespace std::chrono_literals;
using L = CueLatches;
using F = Form1;
using P = CyclePhase;

struct StopCase {
    const char* name;
    OptionButton Form1::*option;
    long long stopAtMs;
    CyclePhase phase;
    std::vector<L::Latch> latchedAtStop; // and kept through STOP and RESET

    friend void PrintTo(const StopCase& row, std::ostream* out) { *out << row.name; }
};

const StopCase kStops[] = {
    {"Preparation", &F::Option2, 26500, P::Preparation, {&L::latchCount10s, &L::latchCount4s}},
    {"VuzPreparation", &F::Option4, 27500, P::Preparation, {&L::latchCount10s, &L::latchCount3s}},
    {"WorkingTime", &F::Option2, 100000, P::WorkingTime, {&L::latchVoice9m, &L::latchBeep9m}},
    {"VuzWorkingTime", &F::Option4, 100000, P::WorkingTime, {&L::latchVoice2m, &L::latchBeep2m}},
    {"Landing", &F::Option1, 232500, P::Landing, {&L::latchLanding30s, &L::latchCount10s}},
};

class StopReset : public testing::MainWindowFixture,
                  public ::testing::WithParamInterface<StopCase> {
protected:
    void expectLatched(const char* when) {
        for (L::Latch latch : GetParam().latchedAtStop) {
            EXPECT_EQ(form.latches.*latch, 1) << when;
        }
    }
};

TEST_P(StopReset, StopHaltsThePhaseResetMakesReadyAndStartRunsAFullPreparation) {
    const StopCase& stop = GetParam();
    (form.*stop.option).select();
    const std::string workingTime = form.Clock3.clockTimeText(); // what RESET writes back
    form.Command5.click();
    time.advance(std::chrono::milliseconds(stop.stopAtMs));
    ASSERT_EQ(cyclePhase(form), stop.phase);
    expectLatched("before STOP");

    const std::string status = form.Label4.caption();
    form.Command7.click();
    EXPECT_EQ(cyclePhase(form), CyclePhase::Stopped);
    for (const Timer* poll : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer6}) {
        EXPECT_FALSE(poll->enabled());
    }
    EXPECT_EQ(form.Timer4.enabled(), stop.phase != CyclePhase::Preparation);
    EXPECT_TRUE(form.Command2.visible());
    EXPECT_FALSE(form.Command5.visible() || form.Command7.visible() || form.Command3.visible());
    EXPECT_EQ(form.Label4.caption(), status);

    const std::string halted = form.Clock1.clockTimeText();
    const std::string shown = form.Label2.caption();
    const auto cuesAtStop = cues.played().size();
    time.advance(5s);
    EXPECT_EQ(form.Clock1.clockTimeText(), halted);
    EXPECT_EQ(form.Label2.caption(), shown);
    EXPECT_EQ(cues.played().size(), cuesAtStop);

    form.Clock3.setClockTimeText("00.07.00");
    form.Command2.click();
    EXPECT_EQ(cyclePhase(form), CyclePhase::Ready);
    EXPECT_TRUE(form.Command5.visible());
    EXPECT_FALSE(form.Command7.visible() || form.Command2.visible());
    EXPECT_EQ(form.Label4.caption(), "READY");
    EXPECT_EQ(form.Label2.caption(), "00.00.30");
    EXPECT_EQ(form.Clock1.clockTimeText(), "00.00.30");
    EXPECT_FALSE(form.Clock1.counting());
    EXPECT_EQ(form.Clock3.clockTimeText(), workingTime);
    expectLatched("after STOP and RESET");

    const long long restartMs = time.elapsed().count();
    cues.clear();
    form.Command5.click();
    ASSERT_TRUE(
        time.advanceUntil([this] { return cyclePhase(form) == CyclePhase::WorkingTime; }, 31s));
    EXPECT_EQ(time.elapsed().count() - restartMs, 30000);
    EXPECT_EQ(cues.played(),
              testing::asPlayed(stop.option == &F::Option4 ? testing::kVuzPreparation
                                                           : testing::kStandardPreparation,
                                restartMs));
}

INSTANTIATE_TEST_SUITE_P(, StopReset, ::testing::ValuesIn(kStops),
                         [](const auto& instance) { return std::string(instance.param.name); });

using MinuteBeepsAfterReset = testing::MainWindowFixture;

// The beep poll is never stopped once a working time has begun, so it beeps on any whole minute
// the running clock shows while the latch is clear, even outside the working time.
TEST_F(MinuteBeepsAfterReset, SoundOnAnyWholeMinuteOnceAWorkingTimeHasBegun) {
    form.Clock2.setClockTimeText("00.01.00");
    form.Clock1.setClockTimeText("00.01.00");
    form.Clock3.setClockTimeText("00.00.10");
    form.Option3.select();
    form.Command5.click();
    time.advance(60s);
    EXPECT_EQ(cues.played().size(), 8U) << "no beep on the preparation's whole minute";

    time.advance(5500ms);
    form.Command7.click();
    cues.clear();
    form.Command2.click(); // loads "00.01.00" into the running clock
    time.advance(60s);
    ASSERT_EQ(cues.played().size(), 1U);
    EXPECT_EQ(cues.played()[0].path, sounds::kMinuteBeep);
    EXPECT_LE(cues.played()[0].atMs - 65500, 10);
}

} // namespace
} // namespace aerolap
