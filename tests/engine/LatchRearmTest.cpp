#include "MainWindowFixture.h"

#include <gtest/gtest.h>

namespace aerolap {
namespace {

using LatchRearm = testing::MainWindowFixture;

void setAll(CueLatches& latches) {
    for (auto latch : CueLatches::kAll) {
        latches.*latch = 1;
    }
}

bool allClear(const CueLatches& latches) {
    for (auto latch : CueLatches::kAll) {
        if (latches.*latch != 0) {
            return false;
        }
    }
    return true;
}

TEST_F(LatchRearm, ClearsOnceOnItsFirstTickHoweverOftenItWasEnabled) {
    setAll(form.latches);
    form.Timer5.setEnabled(true);
    form.Timer5.setEnabled(true);
    form.Timer5.setEnabled(true);
    EXPECT_FALSE(allClear(form.latches)); // not before the handlers have returned

    int ticks = 0;
    form.Timer5.tick.connect([&] { ++ticks; });
    time.advance(std::chrono::milliseconds(1));
    EXPECT_TRUE(allClear(form.latches));
    EXPECT_FALSE(form.Timer5.enabled());

    form.latches.latchVoice9m = 1;
    time.advance(std::chrono::milliseconds(50));
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(form.latches.latchVoice9m, 1);
}

} // namespace
} // namespace aerolap
