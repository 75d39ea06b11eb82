#include "ExpectedCycles.h"
#include "MainWindowFixture.h"
#include "engine/CyclePhase.h"

#include <gtest/gtest.h>

namespace aerolap {
namespace {

using namespace std::chrono_literals;
using namespace aerolap::sounds;
using Loop = testing::MainWindowFixture;

// A 15-second preparation, a free working time of "00.01.10" and the landing window: 115 s.
constexpr long long kCycleMs = 115000;
const testing::CueList kShortCycle{
    {0, kPreparation, nullptr},           {5000, kCount10, "00.00.10"},
    {10000, kCount5, "00.00.05"},         {11000, kCount4, "00.00.04"},
    {12000, kCount3, "00.00.03"},         {13000, kCount2, "00.00.02"},
    {14000, kCount1, "00.00.01"},         {15000, kSiren, "00.00.00"},
    {22000, kVoice1Minute, "00.01.03"},   {25000, kMinuteBeep, "00.01.00"},
    {52000, kVoice30Seconds, "00.00.33"}, {80000, kCount5, "00.00.05"},
    {81000, kCount4, "00.00.04"},         {82000, kCount3, "00.00.03"},
    {83000, kCount2, "00.00.02"},         {84000, kCount1, "00.00.01"},
    {85000, kSiren, "00.00.00"},          {87000, kLanding, "00.00.28"},
    {105000, kCount10, "00.00.10"},       {110000, kCount5, "00.00.05"},
    {111000, kCount4, "00.00.04"},        {112000, kCount3, "00.00.03"},
    {113000, kCount2, "00.00.02"},        {114000, kCount1, "00.00.01"},
    {115000, kEndOfLanding, "00.00.00"},
};

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
        EXPECT_GE(cycle > 0 ? startsMs[cycle] - startsMs[cycle - 1] : kCycleMs, kCycleMs);
        EXPECT_LE(cycle > 0 ? startsMs[cycle] - startsMs[cycle - 1] : kCycleMs, kCycleMs + 30);
        const auto one = testing::asPlayed(kShortCycle, startsMs[cycle]);
        expected.insert(expected.end(), one.begin(), one.end());
    }
    EXPECT_EQ(cues.played(), expected);

    EXPECT_EQ(form.Label4.caption(), "READY");
    EXPECT_TRUE(form.Command5.visible());
    time.advance(std::chrono::milliseconds(2 * kCycleMs));
    EXPECT_EQ(startsMs.size(), kCycles);
    EXPECT_EQ(cues.played().size(), expected.size());
}

} // namespace
} // namespace aerolap
