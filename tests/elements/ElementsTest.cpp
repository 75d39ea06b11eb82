#include "elements/CheckBox.h"
#include "elements/ComboBox.h"
#include "elements/Label.h"
#include "elements/OptionButton.h"
#include "elements/Timer.h"

#include <gtest/gtest.h>

namespace aerolap {
namespace {

TEST(Elements, RaiseTheirEventsOnlyOnARealChange) {
    int changes = 0, clicks = 0, clicksA = 0, clicksB = 0, ticks = 0;

    Label label{"00.00.00"};
    label.changed.connect([&] { ++changes; });
    for (const char* caption : {"00.00.00", "00.00.30", "00.00.30", "00.00.29"}) {
        label.setCaption(caption);
    }
    EXPECT_EQ(changes, 2) << "Label";

    CheckBox box{"BEEP"};
    box.clicked.connect([&] { ++clicks; });
    box.setValue(CheckBox::kUnchecked);
    box.setValue(CheckBox::kGrayed);
    EXPECT_FALSE(box.ticked());
    box.setValue(CheckBox::kChecked);
    EXPECT_TRUE(box.ticked());
    EXPECT_EQ(clicks, 2) << "CheckBox";

    OptionGroup group;
    OptionButton a{"A"}, b{"B"};
    group.add(a);
    group.add(b);
    a.clicked.connect([&] { ++clicksA; });
    b.clicked.connect([&] { ++clicksB; });
    a.select();
    a.select();
    b.select();
    EXPECT_FALSE(a.selected());
    EXPECT_EQ(clicksA + clicksB, 2) << "OptionButton";

    ComboBox combo{{"1", "2", "3", "4"}, "1"};
    combo.clicked.connect([&] { ++clicks; });
    combo.choose(2);
    EXPECT_EQ(combo.text(), "3");
    combo.choose(9);
    combo.setText("7");
    EXPECT_EQ(combo.text(), "7");
    EXPECT_EQ(clicks, 3) << "ComboBox";

    // A tick that arrives after the timer was stopped is dropped.
    Timer timer{std::chrono::milliseconds(10)};
    timer.tick.connect([&] { ++ticks; });
    timer.fire();
    timer.setEnabled(true);
    timer.fire();
    timer.setEnabled(false);
    timer.fire();
    EXPECT_EQ(ticks, 1) << "Timer";
}

} // namespace
} // namespace aerolap
