#include "TimedComposition.h"

#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;
using Ms = std::chrono::milliseconds;
using Timeline = std::vector<RecordingCuePlayer::Played>;

Timeline from(const Timeline& timeline, long long moment) {
    Timeline part;
    std::ranges::copy_if(timeline, std::back_inserter(part),
                         [&](const auto& each) { return each.atMs >= moment; });
    return part;
}

/// A laptop that sleeps `length` from `at` after START, in a cycle of the 3-minute task with 20
/// seconds of preparation, looped.
struct Sleep {
    const char* name;
    Ms at;
    Ms length;
    const char* told;
};

const Sleep kSleeps[] = {
    {"WithinTheWorkingTime", 60'300ms, 95'000ms, "1 min 35 s"},
    {"OverTheLandingWindowsStart", 195'700ms, 20'000ms, "20 s"},
    {"OverTheEndOfTheCycleIntoTheNext", 215'000ms, 70'600ms, "1 min 10 s"},
    {"OverCyclesOfTheLoop", 10'000ms, 9min + 10s, "9 min 10 s"},
};

class Suspend : public ::testing::TestWithParam<Sleep> {};

// The pilots flew on while the laptop slept: once it wakes, the cycle is where real time says,
// with the display, the following cues and the phase changes of an uninterrupted cycle, none of
// the slept cues played late; and the director is told how long it slept.
TEST_P(Suspend, TheCycleCarriesOnWhereRealTimeSays) {
    const Sleep& sleep = GetParam();
    TimedComposition uninterrupted;
    TimedComposition slept;
    for (TimedComposition* timer : {&uninterrupted, &slept}) {
        timer->timer.load(std::nullopt);
        timer->form.Option1.select();
        timer->form.Clock2.commitEdit("00.00.20");
        timer->form.Check17.setValue(CheckBox::kChecked);
        timer->form.Command5.click();
        timer->run(sleep.at);
    }
    slept.time.sleep(sleep.length);
    uninterrupted.run(sleep.length);
    const long long woke = slept.time.elapsed().count();
    const Timeline seenBefore = uninterrupted.port.frames;

    slept.run(25s);
    uninterrupted.run(25s);
    ASSERT_FALSE(slept.port.frames.empty());
    const auto firstAfter = from(slept.port.frames, woke).front();
    EXPECT_EQ(firstAfter, (RecordingCuePlayer::Played{woke + 1, seenBefore.back().path}))
        << "the display gets the second it wakes in, at once";
    EXPECT_EQ(from(slept.port.frames, woke + 2), from(uninterrupted.port.frames, woke + 2));
    EXPECT_EQ(from(slept.cues.played(), woke), from(uninterrupted.cues.played(), woke + 1));
    EXPECT_EQ(from(slept.cues.played(), woke - sleep.length.count() + 1),
              from(slept.cues.played(), woke))
        << "nothing of the slept time is played late";
    EXPECT_EQ(slept.form.Clock1.countStartedAt(), uninterrupted.form.Clock1.countStartedAt());
    EXPECT_NE(slept.noticesText().find("The laptop slept for " + std::string(sleep.told)),
              std::string::npos)
        << slept.noticesText();
}

INSTANTIATE_TEST_SUITE_P(Sleeps, Suspend, ::testing::ValuesIn(kSleeps),
                         [](const auto& row) { return std::string(row.param.name); });

// Cycle after cycle with the timer at rest in between (its polls asleep while the clock stands
// still): nothing was held up, so nothing is caught up and nothing is said.
TEST(HeldUp, NotBetweenTwoCyclesWithARestBetween) {
    TimedComposition timer;
    timer.timer.load(std::nullopt);
    timer.form.Option1.select();
    timer.form.Clock2.commitEdit("00.00.10");
    for (const Ms rest : {Ms(10s), Ms(3min)}) {
        timer.form.Command5.click();
        ASSERT_TRUE(timer.runUntil([&] { return cyclePhase(timer.form) == CyclePhase::Ready; },
                                   5min));
        timer.run(rest);
    }
    timer.form.Command5.click();
    timer.run(20s);
    EXPECT_EQ(timer.noticesText().find("held up"), std::string::npos) << timer.noticesText();
}

} // namespace
} // namespace aerolap::testing
