#include "platform/Clock.h"

#include "VirtualTime.h"
#include "platform/TimeText.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace aerolap {
namespace {

using std::chrono::milliseconds;
using testing::VirtualTime;

class ClockTest : public ::testing::Test {
protected:
    void load(const std::string& text) {
        clock.setClockTimeText(text);
        clock.setClockPresetText(text);
    }

    VirtualTime time;
    Clock clock{time, /*visible=*/false, /*editable=*/false};
};

TEST_F(ClockTest, ANewClockReadsZero) {
    EXPECT_EQ(clock.clockTimeText(), "00.00.00");
}

TEST_F(ClockTest, CountsDownShowingEverySecondOnceAndStopsAtZero) {
    load("00.00.30");
    clock.clockStart();
    std::vector<std::string> shown{clock.clockTimeText()};
    for (int ms = 0; ms < 40000; ++ms) {
        time.advance(milliseconds(1));
        if (clock.clockTimeText() != shown.back()) {
            shown.push_back(clock.clockTimeText());
            // Each new second appears exactly on its boundary.
            EXPECT_EQ(time.elapsed().count() % 1000, 0) << shown.back();
        }
    }
    ASSERT_EQ(shown.size(), 31U);
    for (int i = 0; i <= 30; ++i) {
        EXPECT_EQ(shown[static_cast<std::size_t>(i)], TimeText::fromSeconds(30 - i));
    }
    EXPECT_FALSE(clock.counting());
}

TEST_F(ClockTest, StopKeepsTheTextAndANewValueCountsFromItself) {
    load("00.01.00");
    clock.clockStart();
    time.advance(milliseconds(12500));
    clock.clockStop();
    time.advance(milliseconds(5000));
    EXPECT_EQ(clock.clockTimeText(), "00.00.48");

    load("00.00.05");
    clock.clockStart();
    time.advance(milliseconds(2000));
    EXPECT_EQ(clock.clockTimeText(), "00.00.03");
}

TEST_F(ClockTest, ANewCountStartsAtZeroWithoutAStopInBetween) {
    load("00.00.02");
    clock.clockStart();
    time.advance(milliseconds(2300));
    ASSERT_EQ(clock.clockTimeText(), "00.00.00");
    load("00.00.30");
    clock.clockStart();
    EXPECT_EQ(clock.clockTimeText(), "00.00.30");
    time.advance(milliseconds(1000));
    EXPECT_EQ(clock.clockTimeText(), "00.00.29");
}

TEST_F(ClockTest, ARestartRightAfterRunningOutKeepsTheRhythmOfTheFirstStart) {
    load("00.00.02");
    clock.clockStart();
    time.advance(milliseconds(2007)); // a poll notices "00.00.00" 7 ms late
    ASSERT_EQ(clock.clockTimeText(), "00.00.00");
    load("00.00.30");
    clock.clockStop(); // a stop after running out does not break the chain
    clock.clockStart();
    time.advance(milliseconds(992));
    EXPECT_EQ(clock.clockTimeText(), "00.00.30");
    time.advance(milliseconds(1));
    EXPECT_EQ(clock.clockTimeText(), "00.00.29"); // 3 s after the first start
}

TEST_F(ClockTest, AStartAfterAHaltOrALaterStartCountsFromItsOwnMoment) {
    load("00.00.05");
    clock.clockStart();
    time.advance(milliseconds(2500));
    clock.clockStop(); // halted while counting
    load("00.00.05");
    clock.clockStart();
    time.advance(milliseconds(999));
    EXPECT_EQ(clock.clockTimeText(), "00.00.05");

    time.advance(milliseconds(4001 + 1500)); // ran out, then idle past the second
    load("00.00.05");
    clock.clockStart();
    time.advance(milliseconds(999));
    EXPECT_EQ(clock.clockTimeText(), "00.00.05");
    time.advance(milliseconds(1));
    EXPECT_EQ(clock.clockTimeText(), "00.00.04");
}

TEST_F(ClockTest, RefusesInvalidTextAndWritesWhileCounting) {
    load("00.00.30");
    clock.setClockTimeText("00.00.3");
    clock.setClockTimeText("junk");
    EXPECT_EQ(clock.clockTimeText(), "00.00.30");

    clock.clockStart();
    time.advance(milliseconds(4000));
    clock.setClockTimeText("00.05.00");
    EXPECT_EQ(clock.clockTimeText(), "00.00.26");
}

TEST_F(ClockTest, NeverDriftsWhenReadAtIrregularIntervalsForTenHours) {
    load("10.00.00");
    clock.clockStart();
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> gap(1, 900);
    long long elapsedMs = 0;
    while (elapsedMs < 10LL * 3600 * 1000) {
        const int step = gap(random);
        time.advance(milliseconds(step));
        elapsedMs += step;
        const long long expected = std::max(0LL, 36000 - elapsedMs / 1000);
        ASSERT_EQ(clock.clockTimeText(), TimeText::fromSeconds(static_cast<int>(expected)))
            << "after " << elapsedMs << " ms";
    }
    EXPECT_EQ(clock.clockTimeText(), "00.00.00");
}

TEST_F(ClockTest, OperatorEditsRaiseChangedOnlyWhenTheValueChanges) {
    Clock editable{time, true, true};
    int changes = 0;
    editable.clockChanged.connect([&] { ++changes; });
    editable.setClockTimeText("00.00.30"); // code writes raise nothing
    editable.commitEdit("00.00.30");
    EXPECT_EQ(changes, 0);
    editable.commitEdit("00.01.30");
    EXPECT_EQ(changes, 1);
    editable.commitEdit("not a time");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(editable.clockTimeText(), "00.01.30");
}

} // namespace
} // namespace aerolap
