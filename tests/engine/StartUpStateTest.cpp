#include "MainWindowFixture.h"

#include <gtest/gtest.h>

namespace aerolap {
namespace {

using StartUpState = testing::MainWindowFixture;

TEST_F(StartUpState, IsReadyWithTheDefaultTimes) {
    EXPECT_EQ(form.Label2.caption(), "00.00.30");
    EXPECT_EQ(form.Label4.caption(), "READY "); // the task option runs after "READY"
    EXPECT_EQ(form.Clock1.clockTimeText(), "00.00.30");
    EXPECT_EQ(form.Clock2.clockTimeText(), "00.00.30");
    EXPECT_EQ(form.Clock3.clockTimeText(), "00.10.00");
    EXPECT_FALSE(form.Clock1.counting());
}

TEST_F(StartUpState, ShowsOnlyStartAndSetupAmongTheButtons) {
    EXPECT_TRUE(form.Command5.visible());
    EXPECT_FALSE(form.Command7.visible());
    EXPECT_FALSE(form.Command2.visible());
    EXPECT_FALSE(form.Command3.visible());
    EXPECT_TRUE(form.Command1.visible());
    EXPECT_EQ(form.Command1.caption(), "SETUP");
    EXPECT_FALSE(form.Frame1.visible());
    EXPECT_FALSE(form.Label7.visible());
    EXPECT_FALSE(form.Label8.visible());
    EXPECT_FALSE(form.Label9.visible());
}

TEST_F(StartUpState, TicksEveryAnnouncementBoxButAlwaysOnTopAndLoop) {
    const std::pair<const CheckBox*, int> expected[] = {
        {&form.Check1, 1},  {&form.Check2, 1},  {&form.Check3, 1},  {&form.Check4, 1},
        {&form.Check5, 1},  {&form.Check6, 1},  {&form.Check7, 1},  {&form.Check8, 1},
        {&form.Check9, 1},  {&form.Check10, 1}, {&form.Check11, 1}, {&form.Check12, 1},
        {&form.Check13, 1}, {&form.Check14, 1}, {&form.Check15, 0}, {&form.Check16, 1},
        {&form.Check17, 0},
    };
    for (const auto& [box, value] : expected) {
        EXPECT_EQ(box->value(), value) << box->caption();
    }
    EXPECT_FALSE(form.Check12.enabled());
    EXPECT_FALSE(form.Check13.enabled());
}

TEST_F(StartUpState, SelectsTheTenMinuteTaskOnly) {
    EXPECT_TRUE(form.Option2.selected());
    EXPECT_FALSE(form.Option1.selected());
    EXPECT_FALSE(form.Option3.selected());
    EXPECT_FALSE(form.Option4.selected());
    EXPECT_EQ(form.Combo1.text(), "1");
    EXPECT_EQ(form.Combo1.items(), (std::vector<std::string>{"1", "2", "3", "4"}));
}

TEST_F(StartUpState, RunsNoTimerClearsEveryLatchAndPlaysNothing) {
    for (const Timer* timer : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer4, &form.Timer5,
                               &form.Timer6, &form.Timer7}) {
        EXPECT_FALSE(timer->enabled());
    }
    const std::pair<const Timer*, long> intervals[] = {
        {&form.Timer1, 10}, {&form.Timer2, 10}, {&form.Timer3, 10},    {&form.Timer4, 10},
        {&form.Timer5, 1},  {&form.Timer6, 10}, {&form.Timer7, 20000},
    };
    for (const auto& [timer, ms] : intervals) {
        EXPECT_EQ(timer->interval().count(), ms);
    }
    for (auto latch : CueLatches::kAll) {
        EXPECT_EQ(form.latches.*latch, 0);
    }
    time.advance(std::chrono::milliseconds(60000));
    EXPECT_TRUE(cues.played().empty());
    EXPECT_EQ(form.Label2.caption(), "00.00.30");
}

} // namespace
} // namespace aerolap
