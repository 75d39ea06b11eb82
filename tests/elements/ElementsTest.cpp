#include "VirtualTime.h"
#include "elements/CheckBox.h"
#include "elements/Clock.h"
#include "elements/ComboBox.h"
#include "elements/Label.h"
#include "elements/OptionButton.h"
#include "elements/TimeText.h"

#include <gtest/gtest.h>

namespace aerolap {
namespace {

using namespace std::chrono_literals;

TEST(TimeText, ReadsWritesAndAcceptsTypedTexts) {
    for (const auto& [seconds, text] :
         {std::pair{0, "00.00.00"}, {30, "00.00.30"}, {3723, "01.02.03"}, {86399, "23.59.59"}}) {
        EXPECT_EQ(TimeText::toSeconds(text), seconds);
        EXPECT_EQ(TimeText::fromSeconds(seconds), text);
        EXPECT_EQ(TimeText::fromTyped(text), text);
    }
    EXPECT_EQ(TimeText::fromSeconds(-5) + TimeText::fromSeconds(100000), "00.00.0023.59.59");
    // Short forms the operator may type, which are no time texts themselves.
    for (const auto& [typed, text] : {std::pair{"0.00.30", "00.00.30"},
                                      {"000130", "00.01.30"},
                                      {"0.1.30", "00.01.30"},
                                      {"00.01.5", "00.01.05"}}) {
        EXPECT_EQ(TimeText::fromTyped(typed), text) << typed;
        EXPECT_EQ(TimeText::toSeconds(typed), std::nullopt) << typed;
    }
    for (const char* bad : {"00:00:30", "00.00.60", "00.60.00", "24.00.00", "", "00.00.300", "130",
                            "00..30", "00.01.30.", "001.01.30", "00.01", "00.01."}) {
        EXPECT_EQ(TimeText::toSeconds(bad), std::nullopt) << bad;
        EXPECT_EQ(TimeText::fromTyped(bad), std::nullopt) << bad;
    }
}

class ClockTest : public ::testing::Test {
protected:
    /// Writes `text` as the shown time and the next count's start, and starts counting.
    void startFrom(const std::string& text) {
        clock.setClockTimeText(text);
        clock.setClockPresetText(text);
        clock.clockStart();
    }
    std::string after(std::chrono::milliseconds span) {
        time.advance(span);
        return clock.clockTimeText();
    }

    testing::VirtualTime time;
    Clock clock{time, /*visible=*/true, /*editable=*/true};
};

TEST_F(ClockTest, ARestartWithinASecondOfRunningOutKeepsTheRhythmElseCountsFromItsOwnMoment) {
    EXPECT_EQ(clock.countStartedAt(), std::nullopt); // no grid for the timers yet
    startFrom("00.00.02");
    EXPECT_EQ(clock.countStartedAt(), time.now());
    ASSERT_EQ(after(2007ms), "00.00.00"); // a poll notices "00.00.00" 7 ms late
    clock.clockStop();                    // a stop after running out does not break the chain
    startFrom("00.00.30");
    EXPECT_EQ(after(992ms), "00.00.30");
    EXPECT_EQ(after(1ms), "00.00.29"); // 3 s after the first start
    time.advance(1500ms);
    clock.clockStop(); // halted while counting
    startFrom("00.00.05");
    EXPECT_EQ(after(999ms), "00.00.05");
    EXPECT_EQ(after(1ms), "00.00.04");
    time.advance(5000ms); // ran out a full second ago
    startFrom("00.00.05");
    EXPECT_EQ(after(999ms), "00.00.05");
    EXPECT_EQ(after(1ms), "00.00.04");
}

TEST_F(ClockTest, StopKeepsTheTextWhichOnlyARealEditWhileStoppedChanges) {
    int changes = 0, written = 0;
    clock.clockChanged.connect([&] { ++changes; });
    clock.textWritten.connect([&] { ++written; }); // for the view
    startFrom("00.01.00");
    EXPECT_EQ(after(4000ms), "00.00.56");
    clock.commitEdit("00.05.00"); // the count goes on
    EXPECT_EQ(after(8500ms), "00.00.48");
    clock.clockStop();
    EXPECT_EQ(after(5000ms), "00.00.48");
    for (const char* typed : {"00.00.48", "00.00.3", "00.01.30"}) {
        clock.commitEdit(typed);
    }
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(written, 3) << "the start and the two edits that were times";
    EXPECT_EQ(clock.clockTimeText(), "00.01.30");
    EXPECT_EQ(clock.secondsLeft(), 90);
    EXPECT_FALSE(clock.counting());
}

TEST(Elements, RaiseTheirEventsOnlyOnARealChange) {
    std::string events;
    Label label{"00.00.00"};
    label.changed.connect([&] { events += "label "; });
    for (const char* caption : {"00.00.00", "00.00.30", "00.00.30"}) {
        label.setCaption(caption);
    }
    CheckBox box{"BEEP"};
    box.clicked.connect([&] { events += "box" + std::to_string(box.ticked()) + " "; });
    for (int value :
         {CheckBox::kUnchecked, CheckBox::kGrayed, CheckBox::kGrayed, CheckBox::kChecked}) {
        box.setValue(value);
    }
    OptionGroup group;
    OptionButton a{"A"}, b{"B"};
    for (auto [option, name] : {std::pair{&a, "A "}, {&b, "B "}}) {
        group.add(*option);
        option->clicked.connect([&events, name] { events += name; });
    }
    for (OptionButton* option : {&a, &a, &b}) {
        option->select();
    }
    ComboBox combo{{"1", "2", "3", "4"}, "1"};
    combo.clicked.connect([&] { events += "combo" + combo.text() + " "; });
    combo.choose(2);
    combo.choose(4);    // one past the last
    combo.setText("7"); // typing is no click
    Timer timer{10ms};  // a tick that arrives while the timer is stopped is dropped
    timer.tick.connect([&] { events += "tick"; });
    for (bool enabled : {false, true, false}) {
        timer.setEnabled(enabled);
        timer.fire();
    }
    EXPECT_EQ(events, "label box0 box1 A B combo3 tick");
    EXPECT_TRUE(b.selected() && !a.selected() && combo.text() == "7");
}

} // namespace
} // namespace aerolap
