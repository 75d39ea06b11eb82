#include "elements/Clock.h"

#include "VirtualTime.h"
#include "elements/TimeText.h"

#include <gtest/gtest.h>
#include <random>

namespace aerolap {
namespace {

using namespace std::chrono_literals;

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
    Clock clock{time, /*visible=*/false, /*editable=*/false};
};

TEST_F(ClockTest, CountsDownShowingEverySecondOnceOnItsBoundaryAndStopsAtZero) {
    startFrom("00.00.30");
    std::vector<std::string> shown{clock.clockTimeText()};
    for (int ms = 0; ms < 40000; ++ms) {
        if (after(1ms) != shown.back()) {
            shown.push_back(clock.clockTimeText());
            EXPECT_EQ(time.elapsed().count() % 1000, 0) << shown.back();
        }
    }
    ASSERT_EQ(shown.size(), 31U);
    for (int i = 0; i <= 30; ++i) {
        EXPECT_EQ(shown[static_cast<std::size_t>(i)], TimeText::fromSeconds(30 - i));
    }
    EXPECT_FALSE(clock.counting());
}

TEST_F(ClockTest, StopKeepsTheTextWritesAreRefusedWhileCountingAndANewValueCountsFromItself) {
    startFrom("00.01.00");
    EXPECT_EQ(after(4000ms), "00.00.56");
    clock.setClockTimeText("00.05.00");
    clock.setClockTimeText("junk");
    EXPECT_EQ(clock.clockTimeText(), "00.00.56");
    EXPECT_EQ(after(8500ms), "00.00.48");
    clock.clockStop();
    EXPECT_EQ(after(5000ms), "00.00.48");
    clock.setClockTimeText("00.00.3");
    EXPECT_EQ(clock.clockTimeText(), "00.00.48");

    startFrom("00.00.05");
    EXPECT_EQ(after(2000ms), "00.00.03");
}

TEST_F(ClockTest, ARestartRightAfterRunningOutKeepsTheRhythmOfTheFirstStart) {
    startFrom("00.00.02");
    ASSERT_EQ(after(2007ms), "00.00.00"); // a poll notices "00.00.00" 7 ms late
    clock.clockStop();                    // a stop after running out does not break the chain
    startFrom("00.00.30");
    EXPECT_EQ(after(992ms), "00.00.30");
    EXPECT_EQ(after(1ms), "00.00.29"); // 3 s after the first start
}

TEST_F(ClockTest, AStartAfterAHaltOrALaterStartCountsFromItsOwnMoment) {
    startFrom("00.00.05");
    time.advance(2500ms);
    clock.clockStop(); // halted while counting
    startFrom("00.00.05");
    EXPECT_EQ(after(999ms), "00.00.05");
    time.advance(4001ms + 1500ms); // ran out, then idle past the second
    startFrom("00.00.05");
    EXPECT_EQ(after(999ms), "00.00.05");
    EXPECT_EQ(after(1ms), "00.00.04");
}

TEST_F(ClockTest, NeverDriftsWhenReadAtIrregularIntervalsForTenHours) {
    startFrom("10.00.00");
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> gap(1, 900);
    for (long long elapsedMs = 0; elapsedMs < 10LL * 3600 * 1000;) {
        const int step = gap(random);
        elapsedMs += step;
        const long long expected = std::max(0LL, 36000 - elapsedMs / 1000);
        ASSERT_EQ(after(std::chrono::milliseconds(step)),
                  TimeText::fromSeconds(static_cast<int>(expected)))
            << "after " << elapsedMs << " ms";
    }
}

TEST_F(ClockTest, OperatorEditsRaiseChangedOnlyWhenTheValueChanges) {
    Clock editable{time, true, true};
    int changes = 0;
    editable.clockChanged.connect([&] { ++changes; });
    editable.setClockTimeText("00.00.30"); // code writes raise nothing
    editable.commitEdit("00.00.30");
    editable.commitEdit("00.01.30");
    editable.commitEdit("not a time");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(editable.clockTimeText(), "00.01.30");
}

} // namespace
} // namespace aerolap
