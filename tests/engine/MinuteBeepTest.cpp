#include "ExpectedCycles.h"
#include "MainWindowFixture.h"
#include "engine/CyclePhase.h"

#include <gtest/gtest.h>

namespace aerolap {
namespace {

using namespace std::chrono_literals;
using namespace aerolap::sounds;
using MinuteBeeps = testing::MainWindowFixture;

// The beep poll is never stopped once a working time has begun, so it beeps on any whole minute
// the running clock shows while the latch is clear, even outside the working time.
TEST_F(MinuteBeeps, SilentBeforeTheFirstWorkingTimeThenBeepOnAnyWholeMinute) {
    form.Clock2.setClockTimeText("00.01.00");
    form.Clock1.setClockTimeText("00.01.00");
    form.Clock3.setClockTimeText("00.00.10");
    form.Option3.select();

    form.Command5.click();
    time.advance(60s);
    EXPECT_EQ(cues.played(), testing::asPlayed({
                                 {0, kPreparation, nullptr},
                                 {50000, kCount10, nullptr},
                                 {55000, kCount5, nullptr},
                                 {56000, kCount4, nullptr},
                                 {57000, kCount3, nullptr},
                                 {58000, kCount2, nullptr},
                                 {59000, kCount1, nullptr},
                                 {60000, kSiren, nullptr},
                             }));

    time.advance(5500ms);
    form.Command7.click();
    cues.clear();
    form.Command2.click(); // loads "00.01.00" into the running clock
    time.advance(60s);
    ASSERT_EQ(cues.played().size(), 1U);
    EXPECT_EQ(cues.played()[0].path, kMinuteBeep);
    EXPECT_LE(cues.played()[0].atMs - 65500, 10);
    EXPECT_EQ(cyclePhase(form), CyclePhase::Ready);
}

} // namespace
} // namespace aerolap
