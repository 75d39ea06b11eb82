// The timers on Qt's event loop, in real time: every tick of a running timer comes, on the
// running count's grid, and never before its moment.
#include "systems/qt/QtTimerDriver.h"

#include "platform/MonotonicSource.h"

#include <QTest>
#include <gtest/gtest.h>

namespace aerolap {
namespace {

using namespace std::chrono_literals;

TEST(QtTimerDriver, TicksOnTheGridOfItsCountAndStopsWithItsTimer) {
    SteadyMonotonicSource time;
    QtTimerDriver driver(time);
    Timer timer{10ms};
    driver.attach(timer);
    const MonotonicSource::TimePoint anchor = time.now();
    timer.keepInStepWith([anchor] { return std::optional(anchor); });
    std::vector<MonotonicSource::TimePoint> ticks;
    timer.tick.connect([&] { ticks.push_back(time.now()); });
    timer.setEnabled(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.size() >= 5; }, 5000));
    timer.setEnabled(false);
    const std::size_t whenStopped = ticks.size();
    QTest::qWait(50);
    EXPECT_EQ(ticks.size(), whenStopped);
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        // However late a tick ran, the next one keeps to a later whole interval.
        EXPECT_GE(ticks[i] - anchor, static_cast<long>(i + 1) * 10ms) << i;
    }
}

} // namespace
} // namespace aerolap
