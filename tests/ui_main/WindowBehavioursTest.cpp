#include "MainWindowFixture.h"

#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

using std::chrono::milliseconds;

using StartUpHandOver = MainWindowFixture;

TEST_F(StartUpHandOver, OnlyTheAboutBoxIsVisibleAfterLoading) {
    EXPECT_FALSE(form.window.visible());
    ASSERT_NE(window.aboutBox(), nullptr);
    EXPECT_TRUE(window.aboutBox()->loaded());
    EXPECT_TRUE(window.aboutBox()->window.visible());
    EXPECT_EQ(window.aboutBox()->window.title(), "Informazioni su Aerolap");
}

TEST_F(StartUpHandOver, OkShowsTheMainWindowAndTheBoxIsGone) {
    window.aboutBox()->cmdOK.click();
    EXPECT_TRUE(form.window.visible());
    EXPECT_FALSE(window.aboutBox()->window.visible());
    EXPECT_FALSE(window.aboutBox()->loaded());
    // The load sequence itself is untouched by the hand-over.
    EXPECT_EQ(form.Label2.caption(), "00.00.30");
    EXPECT_TRUE(form.Command5.visible());
}

using SetUpPanel = MainWindowFixture;

TEST_F(SetUpPanel, OpensAndClosesOnClicks) {
    form.Command1.click();
    EXPECT_EQ(form.Command1.caption(), "CLOSE");
    EXPECT_TRUE(form.Frame1.visible());
    EXPECT_TRUE(form.Timer7.enabled());

    form.Command1.click();
    EXPECT_EQ(form.Command1.caption(), "SETUP");
    EXPECT_FALSE(form.Frame1.visible());
    EXPECT_TRUE(form.Timer7.enabled());
}

TEST_F(SetUpPanel, ClosesByItselfTwentySecondsAfterTheClick) {
    form.Command1.click();
    time.advance(milliseconds(19999));
    EXPECT_TRUE(form.Frame1.visible());
    EXPECT_EQ(form.Command1.caption(), "CLOSE");

    time.advance(milliseconds(1));
    EXPECT_FALSE(form.Frame1.visible());
    EXPECT_EQ(form.Command1.caption(), "SETUP");
    EXPECT_FALSE(form.Timer7.enabled());

    // Once per start: nothing more happens later.
    form.Frame1.visibilityChanged.connect([](bool) { FAIL() << "panel changed again"; });
    time.advance(milliseconds(60000));
}

TEST_F(SetUpPanel, TheTickAfterAClosingClickLeavesItClosed) {
    form.Command1.click();
    time.advance(milliseconds(5000));
    form.Command1.click();
    time.advance(milliseconds(20000));
    EXPECT_FALSE(form.Frame1.visible());
    EXPECT_EQ(form.Command1.caption(), "SETUP");
    EXPECT_FALSE(form.Timer7.enabled());
}

TEST_F(SetUpPanel, EveryClickRestartsTheTwentySeconds) {
    form.Command1.click();
    time.advance(milliseconds(15000));
    form.Command1.click(); // closes
    form.Command1.click(); // opens again, 15 s after the first click
    time.advance(milliseconds(19999));
    EXPECT_TRUE(form.Frame1.visible());
    time.advance(milliseconds(1));
    EXPECT_FALSE(form.Frame1.visible());
}

using PreparationTimeCheck = MainWindowFixture;

TEST_F(PreparationTimeCheck, ZeroIsRefusedWithTheMessageAndReplacedByNineSeconds) {
    form.Clock2.commitEdit("00.00.00");
    EXPECT_EQ(messageBoxes.shown(),
              (std::vector<MessageBoxRequest>{{"Il valore non puo essere 00.00.00", "InfoMessage",
                                               MessageIcon::Critical, MessageButtons::Ok}}));
    EXPECT_EQ(form.Clock2.clockTimeText(), "00.00.09");
    EXPECT_EQ(form.Clock1.clockTimeText(), "00.00.09");
    EXPECT_EQ(form.Label2.caption(), "00.00.30");
}

TEST_F(PreparationTimeCheck, AnyOtherTimeIsCopiedWithoutAMessage) {
    form.Clock2.commitEdit("00.01.30");
    EXPECT_TRUE(messageBoxes.shown().empty());
    EXPECT_EQ(form.Clock2.clockTimeText(), "00.01.30");
    EXPECT_EQ(form.Clock1.clockTimeText(), "00.01.30");
    // The display shows the new time only when the engine next copies the running clock.
    EXPECT_EQ(form.Label2.caption(), "00.00.30");
}

TEST_F(PreparationTimeCheck, TheNextCycleStartsFromTheReplacedTime) {
    form.Clock2.commitEdit("00.00.00");
    form.Command5.click();
    time.advance(milliseconds(100));
    EXPECT_EQ(form.Label2.caption(), "00.00.09");
}

using AlwaysOnTopSwitch = MainWindowFixture;

TEST_F(AlwaysOnTopSwitch, FollowsTheBoxAndTheLoadRestacksNothing) {
    EXPECT_TRUE(system.stacking.calls().empty());
    form.Check15.setValue(CheckBox::kChecked);
    form.Check15.setValue(CheckBox::kUnchecked);
    // A grey box is not ticked: normal stacking.
    form.Check15.setValue(CheckBox::kGrayed);
    EXPECT_EQ(system.stacking.calls(), (std::vector<bool>{true, false, false}));
}

} // namespace
} // namespace aerolap::testing
