#include "VirtualTime.h"
#include "elements/CheckBox.h"
#include "elements/Clock.h"
#include "elements/ComboBox.h"
#include "elements/Label.h"
#include "elements/OptionButton.h"
#include "elements/TimeText.h"

#include <gtest/gtest.h>
#include <random>

namespace aerolap {
namespace {

using namespace std::chrono_literals;

TEST(TimeText, ReadsWritesAndAcceptsTypedTexts) {
    const std::pair<const char*, std::optional<int>> read[] = {
        {"00.00.30", 30},           {"01.02.03", 3723},        {"23.59.59", 86399},
        {"00:00:30", std::nullopt}, {"0.00.30", std::nullopt}, {"00.60.00", std::nullopt},
        {"24.00.00", std::nullopt}, {"", std::nullopt},        {"00.00.300", std::nullopt},
    };
    for (const auto& [text, seconds] : read) {
        EXPECT_EQ(TimeText::toSeconds(text), seconds) << text;
    }
    const std::pair<int, const char*> written[] = {
        {0, "00.00.00"}, {3661, "01.01.01"}, {-5, "00.00.00"}, {100000, "23.59.59"}};
    for (const auto& [seconds, text] : written) {
        EXPECT_EQ(TimeText::fromSeconds(seconds), text) << seconds;
    }
    const std::pair<const char*, std::optional<std::string>> typed[] = {
        {"000130", "00.01.30"},      {"0.1.30", "00.01.30"},      {"00.01.5", "00.01.05"},
        {"130", std::nullopt},       {"00.61.00", std::nullopt},  {"00..30", std::nullopt},
        {"00.01.30.", std::nullopt}, {"001.01.30", std::nullopt},
    };
    for (const auto& [text, accepted] : typed) {
        EXPECT_EQ(TimeText::fromTyped(text), accepted) << text;
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

TEST_F(ClockTest, ShowsTheSecondsLeftByTheElapsedTimeHoweverIrregularTheReadsAndStopsAtZero) {
    startFrom("10.00.00");
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> gap(1, 900);
    for (long long elapsedMs = 0; elapsedMs < 36002000;) {
        const int step = gap(random);
        elapsedMs += step;
        ASSERT_EQ(after(std::chrono::milliseconds(step)),
                  TimeText::fromSeconds(static_cast<int>(36000 - elapsedMs / 1000)))
            << "after " << elapsedMs << " ms";
    }
    EXPECT_FALSE(clock.counting());
}

TEST_F(ClockTest, StopKeepsTheTextAndWritesAreRefusedWhileCountingOrWhenNotATime) {
    startFrom("00.01.00");
    EXPECT_EQ(after(4000ms), "00.00.56");
    clock.setClockTimeText("00.05.00");
    EXPECT_EQ(after(8500ms), "00.00.48");
    clock.clockStop();
    clock.setClockTimeText("00.00.3");
    EXPECT_EQ(after(5000ms), "00.00.48");
    EXPECT_FALSE(clock.counting());
    startFrom("00.00.05");
    EXPECT_EQ(after(2000ms), "00.00.03");
}

TEST_F(ClockTest, ARestartWithinASecondOfRunningOutKeepsTheRhythmElseCountsFromItsOwnMoment) {
    startFrom("00.00.02");
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

TEST_F(ClockTest, OperatorEditsRaiseChangedOnlyWhenTheValueChanges) {
    int changes = 0;
    clock.clockChanged.connect([&] { ++changes; });
    clock.setClockTimeText("00.00.30"); // code writes raise nothing
    for (const char* typed : {"00.00.30", "00.01.30", "not a time"}) {
        clock.commitEdit(typed);
    }
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clock.clockTimeText(), "00.01.30");
}

TEST(Elements, RaiseTheirEventsOnlyOnARealChange) {
    int labels = 0, boxes = 0, options = 0, combos = 0, ticks = 0;
    Label label{"00.00.00"};
    label.changed.connect([&] { ++labels; });
    for (const char* caption : {"00.00.00", "00.00.30", "00.00.30", "00.00.29"}) {
        label.setCaption(caption);
    }
    CheckBox box{"BEEP"};
    box.clicked.connect([&] { ++boxes; });
    for (int value : {CheckBox::kUnchecked, CheckBox::kGrayed, CheckBox::kGrayed}) {
        box.setValue(value);
    }
    EXPECT_FALSE(box.ticked()); // only 1 is ticked
    box.setValue(CheckBox::kChecked);
    EXPECT_TRUE(box.ticked());

    OptionGroup group;
    OptionButton a{"A"}, b{"B"};
    for (OptionButton* option : {&a, &b}) {
        group.add(*option);
        option->clicked.connect([&] { ++options; });
    }
    for (OptionButton* option : {&a, &a, &b}) {
        option->select();
    }
    EXPECT_FALSE(a.selected());

    ComboBox combo{{"1", "2", "3", "4"}, "1"};
    combo.clicked.connect([&] { ++combos; });
    combo.choose(2);
    EXPECT_EQ(combo.text(), "3");
    combo.choose(9);
    combo.setText("7"); // typing is no click
    EXPECT_EQ(combo.text(), "7");

    // A tick that arrives while the timer is stopped is dropped.
    Timer timer{10ms};
    timer.tick.connect([&] { ++ticks; });
    for (bool enabled : {false, true, false}) {
        timer.setEnabled(enabled);
        timer.fire();
    }
    EXPECT_EQ(std::vector<int>({labels, boxes, options, combos, ticks}),
              std::vector<int>({2, 2, 2, 1, 1}));
}

} // namespace
} // namespace aerolap
