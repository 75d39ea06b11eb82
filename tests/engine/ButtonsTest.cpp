#include "EngineFixture.h"

#include <gtest/gtest.h>
#include <ostream>

namespace aerolap {
namespace {

using namespace testing;
using L = CueLatches;

struct Stop {
    const char* name;
    OptionButton Form1::*option;
    long long atMs;
    const char* stopped;           // the state STOP leaves, which five more seconds do not change
    std::vector<L::Latch> latched; // at STOP, and kept through STOP and RESET
    friend void PrintTo(const Stop& stop, std::ostream* out) { *out << stop.name; }
};

const Stop kStops[] = {
    {"Preparation",
     &Form1::Option2,
     26500,
     "RESET | PREPARAZIONE | 00.00.04 | 00.00.04",
     {&L::latchCount10s, &L::latchCount4s}},
    {"VuzPreparation",
     &Form1::Option4,
     27500,
     "RESET | PREPARAZIONE | 00.00.03 | 00.00.03",
     {&L::latchCount10s, &L::latchCount3s}},
    {"WorkingTime",
     &Form1::Option2,
     100000,
     "RESET T4 | TEMPO OPERATIVO | 00.08.50 | 00.08.50",
     {&L::latchVoice9m, &L::latchBeep9m}},
    {"VuzWorkingTime",
     &Form1::Option4,
     100000,
     "RESET T4 | TEMPO OPERATIVO | 00.01.50 | 00.01.50",
     {&L::latchVoice2m, &L::latchBeep2m}},
    {"Landing",
     &Form1::Option1,
     232500,
     "RESET T4 | ATTERRAGGIO IN 30 SECONDI | 00.00.08 | 00.00.08",
     {&L::latchLanding30s, &L::latchCount10s}},
};

class StopReset : public EngineFixture, public ::testing::WithParamInterface<Stop> {};

TEST_P(StopReset, StopHaltsThePhaseResetMakesReadyAndStartRunsAFullPreparation) {
    const Stop& stop = GetParam();
    (form.*stop.option).select();
    const std::string workingTime = form.Clock3.clockTimeText(); // what RESET writes back
    form.Command5.click();
    time.advance(std::chrono::milliseconds(stop.atMs));
    const std::size_t cuesAtStop = cues.played().size();
    form.Command7.click();
    EXPECT_EQ(state(), stop.stopped);
    time.advance(5s);
    EXPECT_EQ(state(), stop.stopped);
    EXPECT_EQ(cues.played().size(), cuesAtStop);

    form.Clock3.setClockTimeText("00.07.00");
    form.Command2.click();
    EXPECT_EQ(state(), (stop.atMs > 30000 ? "START T4 " : "START ") +
                           std::string("| READY | 00.00.30 | 00.00.30"));
    EXPECT_EQ(form.Clock3.clockTimeText(), workingTime);
    for (L::Latch latch : stop.latched) {
        EXPECT_EQ(form.latches.*latch, 1);
    }

    cues.clear();
    const long long restartMs = now();
    form.Command5.click();
    time.advance(30s);
    const bool vuz = stop.option == &Form1::Option4;
    EXPECT_EQ(cues.played(), shifted(vuz ? kVuzPreparationCues : kPreparationCues, restartMs));
    EXPECT_EQ(state(), std::string(vuz ? "STOP LANDING" : "STOP") + " T3 T4 T5 | PREPARAZIONE | " +
                           workingTime + " | " + workingTime + " counting");
}

INSTANTIATE_TEST_SUITE_P(, StopReset, ::testing::ValuesIn(kStops),
                         [](const auto& i) { return std::string(i.param.name); });

using Buttons = EngineFixture;

// The beep poll is never stopped once a working time has begun, so it beeps on any whole minute
// the running clock shows while the latch is clear, even outside the working time.
TEST_F(Buttons, MinuteBeepsSoundOnAnyWholeMinuteOnceAWorkingTimeHasBegun) {
    form.Clock2.setClockTimeText("00.01.00");
    form.Clock1.setClockTimeText("00.01.00");
    form.Clock3.setClockTimeText("00.00.10");
    form.Option3.select();
    form.Command5.click();
    time.advance(60s);
    EXPECT_EQ(cues.played().size(), 8U) << "no beep on the preparation's whole minute";
    time.advance(5500ms);
    form.Command7.click();
    form.Command2.click(); // loads "00.01.00" into the running clock
    time.advance(60s);
    EXPECT_EQ(cues.played().back(), (RecordingCuePlayer::Played{65510, kMinuteBeep}));
    EXPECT_EQ(cues.played().size(), 10U);
}

TEST_F(Buttons, LandingEndsTheVuzWorkingTimeAndOpensTheLandingWindow) {
    form.Option4.select();
    form.Command5.click();
    time.advance(29999ms);
    EXPECT_EQ(state(), "STOP T6 | PREPARAZIONE | 00.00.01 | 00.00.01 counting");
    time.advance(100s);
    cues.clear();
    display.clear();
    form.Command3.click();
    EXPECT_EQ(state(), "STOP T1 T4 T5 | TEMPO OPERATIVO | 00.00.30 | 00.00.30 counting");
    EXPECT_EQ(display, (decltype(display){
                           {129999, "00.00.00"}, {129999, "00.00.30"}, {129999, "-LANDING"}}));
    ASSERT_TRUE(runUntilReady(31s));
    EXPECT_EQ(cues.played(), (Cues{{129999, kLandingButtonSiren}} + landingFrom(129999)));
    EXPECT_EQ(now(), 159999);
}

TEST_F(Buttons, LandingIsNotOfferedWhenVuzIsChosenAfterStart) {
    form.Command5.click();
    time.advance(5s);
    form.Option4.select();
    time.advance(25s);
    // The working time is read at the end of the preparation, so the new task's time counts.
    EXPECT_EQ(state(), "STOP T3 T4 T5 | PREPARAZIONE | 00.03.00 | 00.03.00 counting");
    EXPECT_EQ(cues.played(), kPreparationCues);
}

TEST_F(Buttons, EveryElementIsInItsStartUpState) {
    EXPECT_EQ(state(), "START | READY  | 00.00.30 | 00.00.30"); // the task option wrote "READY "
    EXPECT_EQ(form.Clock2.clockTimeText() + form.Clock3.clockTimeText(), "00.00.3000.10.00");
    std::string boxes;
    for (const CheckBox* box :
         {&form.Check1, &form.Check2, &form.Check3, &form.Check4, &form.Check5, &form.Check6,
          &form.Check7, &form.Check8, &form.Check9, &form.Check10, &form.Check11, &form.Check12,
          &form.Check13, &form.Check14, &form.Check15, &form.Check16, &form.Check17}) {
        boxes += std::to_string(box->value()) + (box->enabled() ? "" : "-");
    }
    EXPECT_EQ(boxes, "111111111111-1-1010");
    EXPECT_TRUE(form.Option2.selected());
    EXPECT_FALSE(form.Option1.selected() || form.Option3.selected() || form.Option4.selected());
    EXPECT_FALSE(form.Frame1.visible() || form.Label7.visible() || form.Label8.visible() ||
                 form.Label9.visible());
    EXPECT_TRUE(form.Command1.visible());
    for (auto latch : L::kAll) {
        EXPECT_EQ(form.latches.*latch, 0);
    }
    time.advance(60s);
    EXPECT_EQ(state(), "START | READY  | 00.00.30 | 00.00.30");
    EXPECT_TRUE(cues.played().empty());
}

TEST_F(Buttons, LatchRearmClearsOnceOnItsFirstTickHoweverOftenItWasEnabled) {
    for (auto latch : L::kAll) {
        form.latches.*latch = 1;
    }
    for (int i = 0; i < 3; ++i) {
        form.Timer5.setEnabled(true);
    }
    EXPECT_EQ(form.latches.latchSpare, 1); // not before the handlers have returned
    time.advance(1ms);
    for (auto latch : L::kAll) {
        EXPECT_EQ(form.latches.*latch, 0);
    }
    form.latches.latchVoice9m = 1;
    time.advance(50ms);
    EXPECT_EQ(form.latches.latchVoice9m, 1);
    EXPECT_FALSE(form.Timer5.enabled());
}

} // namespace
} // namespace aerolap
