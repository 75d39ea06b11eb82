#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Label.h"
#include "platform/OptionButton.h"
#include "platform/Timer.h"

#include <gtest/gtest.h>

namespace aerolap {
namespace {

TEST(Label, RaisesChangeOnlyWhenTheCaptionReallyChanges) {
    Label label{"00.00.00"};
    int changes = 0;
    label.changed.connect([&] { ++changes; });
    label.setCaption("00.00.00");
    label.setCaption("00.00.30");
    label.setCaption("00.00.30");
    label.setCaption("00.00.29");
    EXPECT_EQ(changes, 2);
}

TEST(CheckBox, ClickFollowsEveryChangeOfTheValueAndOnlyOneIsTicked) {
    CheckBox box{"BEEP"};
    int clicks = 0;
    box.clicked.connect([&] { ++clicks; });
    box.setValue(CheckBox::kUnchecked);
    EXPECT_EQ(clicks, 0);
    box.setValue(CheckBox::kGrayed);
    EXPECT_FALSE(box.ticked());
    box.setValue(CheckBox::kChecked);
    EXPECT_TRUE(box.ticked());
    EXPECT_EQ(clicks, 2);
}

TEST(OptionButton, SelectingOneDeselectsTheOthersAndClicksOnce) {
    OptionGroup group;
    OptionButton a{"A"}, b{"B"};
    group.add(a);
    group.add(b);
    int clicksA = 0, clicksB = 0;
    a.clicked.connect([&] { ++clicksA; });
    b.clicked.connect([&] { ++clicksB; });
    a.select();
    a.select();
    b.select();
    EXPECT_FALSE(a.selected());
    EXPECT_TRUE(b.selected());
    EXPECT_EQ(clicksA, 1);
    EXPECT_EQ(clicksB, 1);
}

TEST(ComboBox, PickingAnEntrySetsTheTextAndClicks) {
    ComboBox combo{{"1", "2", "3", "4"}, "1"};
    int clicks = 0;
    combo.clicked.connect([&] { ++clicks; });
    combo.choose(2);
    EXPECT_EQ(combo.text(), "3");
    combo.choose(9);
    combo.setText("7");
    EXPECT_EQ(combo.text(), "7");
    EXPECT_EQ(clicks, 1);
}

TEST(Timer, DropsATickThatArrivesAfterItWasStopped) {
    Timer timer{std::chrono::milliseconds(10)};
    int ticks = 0;
    timer.tick.connect([&] { ++ticks; });
    timer.fire();
    timer.setEnabled(true);
    timer.fire();
    timer.setEnabled(false);
    timer.fire();
    EXPECT_EQ(ticks, 1);
}

} // namespace
} // namespace aerolap
