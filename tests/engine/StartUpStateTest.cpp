#include "MainWindowFixture.h"

#include <gtest/gtest.h>

namespace aerolap {
namespace {

using namespace std::chrono_literals;
using StartUpState = testing::MainWindowFixture;

TEST_F(StartUpState, EveryElementIsInItsStartUpState) {
    EXPECT_EQ(form.Label2.caption(), "00.00.30");
    EXPECT_EQ(form.Label4.caption(), "READY "); // the task option runs after "READY"
    EXPECT_EQ(form.Clock1.clockTimeText(), "00.00.30");
    EXPECT_EQ(form.Clock2.clockTimeText(), "00.00.30");
    EXPECT_EQ(form.Clock3.clockTimeText(), "00.10.00");
    EXPECT_EQ(form.Command1.caption(), "SETUP");
    EXPECT_EQ(form.Combo1.text(), "1");

    for (const VisibleElement* shown : {&form.Command5, &form.Command1}) {
        EXPECT_TRUE(shown->visible());
    }
    for (const VisibleElement* hidden : std::initializer_list<const VisibleElement*>{
             &form.Command7, &form.Command2, &form.Command3, &form.Frame1, &form.Label7,
             &form.Label8, &form.Label9}) {
        EXPECT_FALSE(hidden->visible());
    }
    for (const CheckBox* box :
         {&form.Check1, &form.Check2, &form.Check3, &form.Check4, &form.Check5, &form.Check6,
          &form.Check7, &form.Check8, &form.Check9, &form.Check10, &form.Check11, &form.Check12,
          &form.Check13, &form.Check14, &form.Check15, &form.Check16, &form.Check17}) {
        const bool offAtStartUp = box == &form.Check15 || box == &form.Check17;
        EXPECT_EQ(box->value(), offAtStartUp ? 0 : 1) << box->caption();
    }
    EXPECT_FALSE(form.Check12.enabled() || form.Check13.enabled());
    EXPECT_TRUE(form.Option2.selected());
    EXPECT_FALSE(form.Option1.selected() || form.Option3.selected() || form.Option4.selected());

    for (const Timer* timer : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer4, &form.Timer5,
                               &form.Timer6, &form.Timer7}) {
        EXPECT_FALSE(timer->enabled());
    }
    for (auto latch : CueLatches::kAll) { // latchSpare among them
        EXPECT_EQ(form.latches.*latch, 0);
    }
    time.advance(60s);
    EXPECT_TRUE(cues.played().empty());
    EXPECT_EQ(form.Label2.caption(), "00.00.30");
}

TEST_F(StartUpState, LatchRearmClearsOnceOnItsFirstTickHoweverOftenItWasEnabled) {
    for (auto latch : CueLatches::kAll) {
        form.latches.*latch = 1;
    }
    int ticks = 0;
    form.Timer5.tick.connect([&] { ++ticks; });
    form.Timer5.setEnabled(true);
    form.Timer5.setEnabled(true);
    form.Timer5.setEnabled(true);
    EXPECT_EQ(form.latches.latchVoice9m, 1); // not before the handlers have returned

    time.advance(1ms);
    for (auto latch : CueLatches::kAll) {
        EXPECT_EQ(form.latches.*latch, 0);
    }
    EXPECT_FALSE(form.Timer5.enabled());
    form.latches.latchVoice9m = 1;
    time.advance(50ms);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(form.latches.latchVoice9m, 1);
}

} // namespace
} // namespace aerolap
