#include "TimedComposition.h"
#include "engine/CyclePhase.h"

#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

/// No tick ever waits on a dialog: whatever a tick would ask the director comes as a notice, and
/// the cycle keeps every second. The operator's own handlers still get their boxes.
struct NoBoxFromATickTest : ::testing::Test {
    NoBoxFromATickTest() {
        timed.messageBoxes.beforeAnswer = [this] {
            for (const Timer* timer : timed.timer.timers()) {
                EXPECT_FALSE(timer->firing()) << "a box in front of a running tick";
            }
        };
        timed.timer.load(std::nullopt);
        timed.runSoon();
    }
    void cycleLosingTheDisplayAfter(std::chrono::milliseconds running) {
        timed.port.isOpen = true;
        form.Command5.click();
        timed.run(running);
        timed.port.isOpen = false;
        ASSERT_TRUE(timed.runUntil([&] { return cyclePhase(form) == CyclePhase::Ready; }, 15min));
    }

    TimedComposition timed;
    Form1& form = timed.form;
};

TEST_F(NoBoxFromATickTest, EveryTaskRunsToItsEndWithItsDisplayLostAndNoBoxShown) {
    for (OptionButton* task : {&form.Option1, &form.Option2, &form.Option3, &form.Option4}) {
        task->select();
        cycleLosingTheDisplayAfter(45s);
    }
    EXPECT_TRUE(timed.messageBoxes.shown().empty());
    // The operator's choice of a port that is not there still has its two boxes.
    timed.port.available = {1};
    form.Combo1.choose(3);
    EXPECT_EQ(timed.messageBoxes.shown().size(), 2u);
}

TEST_F(NoBoxFromATickTest, ABoxATickAsksForIsANoticeAndTheSecondsGoOn) {
    bool asked = false;
    form.Timer3.tick.connect([this, &asked] {
        if (!asked && form.Clock1.clockTimeText() == "00.09.30") {
            asked = true;
            const MessageAnswer answer = timed.timer.messageBoxes().show(
                {"Vuoi uscire da programma?", "Aerolap", MessageIcon::None, MessageButtons::YesNo});
            EXPECT_EQ(answer, MessageAnswer::No) << "what leaves everything as it is";
        }
    });
    form.Command5.click();
    ASSERT_TRUE(timed.runUntil([&] { return cyclePhase(form) == CyclePhase::Ready; }, 12min));
    EXPECT_TRUE(asked);
    EXPECT_TRUE(timed.messageBoxes.shown().empty());
    EXPECT_NE(timed.noticesText().find("Aerolap: Vuoi uscire da programma?"), std::string::npos)
        << timed.noticesText();
    const auto at = [this](const std::string& frame) {
        const auto found = std::ranges::find_if(
            timed.port.frames, [&frame](const auto& sent) { return sent.path == frame; });
        return found == timed.port.frames.end() ? -1 : found->atMs;
    };
    EXPECT_EQ(at("A0929\r") - at("A0930\r"), 1000) << "the next second came on time";
}

} // namespace
} // namespace aerolap::testing
