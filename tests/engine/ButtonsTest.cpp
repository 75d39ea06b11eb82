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
    form.Command7.click();
    const std::size_t cuesAtStop = cues.played().size();
    EXPECT_EQ(state(), stop.stopped);
    time.advance(5s);
    EXPECT_EQ(state(), stop.stopped);
    EXPECT_EQ(cues.played().size(), cuesAtStop);

    form.Clock3.setClockTimeText("00.07.00");
    form.Command2.click();
    EXPECT_EQ(state(), std::string(stop.atMs > 30000 ? "START T4 " : "START ") +
                           "| READY | 00.00.30 | 00.00.30");
    EXPECT_EQ(form.Clock3.clockTimeText(), workingTime);
    for (L::Latch latch : stop.latched) {
        EXPECT_EQ(form.latches.*latch, 1);
    }

    const long long restartMs = now();
    form.Command5.click();
    time.advance(30s);
    const bool vuz = stop.option == &Form1::Option4;
    EXPECT_EQ(Cues(cues.played().begin() + static_cast<long>(cuesAtStop), cues.played().end()),
              preparationFrom(restartMs, vuz));
    EXPECT_EQ(state(), std::string(vuz ? "STOP LANDING" : "STOP") + " T3 T4 T5 | PREPARAZIONE | " +
                           workingTime + " | " + workingTime + " counting");
}

INSTANTIATE_TEST_SUITE_P(, StopReset, ::testing::ValuesIn(kStops),
                         [](const auto& i) { return std::string(i.param.name); });

using Buttons = EngineFixture;

TEST_F(Buttons, LandingEndsTheVuzWorkingTimeAndOpensTheLandingWindow) {
    form.Option4.select();
    form.Command5.click();
    time.advance(100s);
    EXPECT_EQ(state(), "STOP LANDING T3 T4 | TEMPO OPERATIVO | 00.01.50 | 00.01.50 counting");
    form.Command3.click();
    EXPECT_EQ(state(), "STOP T1 T4 T5 | TEMPO OPERATIVO | 00.00.30 | 00.00.30 counting");
    ASSERT_TRUE(runUntilReady(31s));
    EXPECT_EQ(now(), 130000);
    const Cues vuzToTheLandingButton =
        preparationFrom(0, true) +
        Cues{{87000, kVoice2Minutes}, {90000, kMinuteBeep}, {100000, kLandingButtonSiren}};
    EXPECT_EQ(cues.played(), vuzToTheLandingButton + landingFrom(100000));
}

// The task is decided on START, but the working time is read at the end of the preparation.
TEST_F(Buttons, LandingIsNotOfferedWhenVuzIsChosenAfterStart) {
    form.Command5.click();
    time.advance(5s);
    form.Option4.select();
    time.advance(25s);
    EXPECT_EQ(state(), "STOP T3 T4 T5 | PREPARAZIONE | 00.03.00 | 00.03.00 counting");
    EXPECT_EQ(cues.played(), preparationFrom(0));
}

TEST_F(Buttons, AreInTheirStartUpStateWithEveryOtherElement) {
    EXPECT_EQ(state(), "START | READY  | 00.00.30 | 00.00.30"); // the task option wrote "READY "
    std::string boxes;
    for (const CheckBox* box :
         {&form.Check1, &form.Check2, &form.Check3, &form.Check4, &form.Check5, &form.Check6,
          &form.Check7, &form.Check8, &form.Check9, &form.Check10, &form.Check11, &form.Check12,
          &form.Check13, &form.Check14, &form.Check15, &form.Check16, &form.Check17}) {
        boxes += std::to_string(box->value()) + (box->enabled() ? "" : "-");
    }
    EXPECT_EQ(boxes, "111111111111-1-1010");
    EXPECT_TRUE(form.Option2.selected() && form.Command1.visible());
    EXPECT_FALSE(form.Option1.selected() || form.Option3.selected() || form.Option4.selected() ||
                 form.Frame1.visible() || form.Label7.visible() || form.Label8.visible() ||
                 form.Label9.visible());
    time.advance(60s);
    EXPECT_EQ(state(), "START | READY  | 00.00.30 | 00.00.30");
    EXPECT_TRUE(cues.played().empty());
}

} // namespace
} // namespace aerolap
