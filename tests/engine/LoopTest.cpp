#include "ExpectedCycles.h"
#include "MainWindowFixture.h"
#include "engine/CyclePhase.h"

#include <gtest/gtest.h>

namespace aerolap {
namespace {

using namespace std::chrono_literals;
using namespace aerolap::sounds;
using testing::CueList;
using Loop = testing::MainWindowFixture;

// A 15-second preparation, a free working time of "00.01.10" and the landing window: 115 s.
constexpr long long kCycleMs = 115000;
const CueList kShortCycle =
    CueList{{0, kPreparation, ""}, {5000, kCount10, ""}} + testing::countEndingAt(15000, kSiren) +
    CueList{{22000, kVoice1Minute, ""}, {25000, kMinuteBeep, ""}, {52000, kVoice30Seconds, ""}} +
    testing::countEndingAt(85000, kSiren) + testing::landingWindowFrom(85000);

TEST_F(Loop, RunsFiftyCyclesBackToBackAndEndsNormallyWhenUnticked) {
    constexpr std::size_t kCycles = 50;
    form.Clock2.setClockTimeText("00.00.15");
    form.Clock1.setClockTimeText("00.00.15");
    form.Clock3.setClockTimeText("00.01.10");
    form.Option3.select();
    form.Check17.setValue(CheckBox::kChecked);

    std::vector<long long> startsMs;
    form.Timer2.runningChanged.connect([&](bool running) {
        if (running) {
            startsMs.push_back(time.elapsed().count());
        }
    });
    form.Command5.click();
    ASSERT_TRUE(time.advanceUntil([&] { return startsMs.size() == kCycles; },
                                  std::chrono::milliseconds(kCycles * (kCycleMs + 30))));
    time.advance(1s);
    form.Check17.setValue(CheckBox::kUnchecked);
    ASSERT_TRUE(time.advanceUntil([this] { return cyclePhase(form) == CyclePhase::Ready; },
                                  std::chrono::milliseconds(kCycleMs)));

    std::vector<testing::RecordingCuePlayer::Played> expected;
    for (std::size_t cycle = 0; cycle < kCycles; ++cycle) {
        if (cycle > 0) {
            EXPECT_GE(startsMs[cycle] - startsMs[cycle - 1], kCycleMs);
            EXPECT_LE(startsMs[cycle] - startsMs[cycle - 1], kCycleMs + 30);
        }
        const auto one = testing::asPlayed(kShortCycle, startsMs[cycle]);
        expected.insert(expected.end(), one.begin(), one.end());
    }
    EXPECT_EQ(cues.played(), expected);
    EXPECT_EQ(form.Label4.caption(), "READY");
    time.advance(std::chrono::milliseconds(2 * kCycleMs));
    EXPECT_EQ(startsMs.size(), kCycles);
    EXPECT_EQ(cues.played().size(), expected.size());
}

} // namespace
} // namespace aerolap
