#include "VirtualTime.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace aerolap {
namespace {

using std::chrono::milliseconds;
using testing::VirtualTime;

TEST(VirtualTime, FiresDueTimersInOrderAtTheirIntervals) {
    VirtualTime time;
    Timer fast{milliseconds(1)}, poll{milliseconds(10)}, slow{milliseconds(25)};
    std::vector<std::string> fired;
    for (auto [timer, name] : {std::pair{&fast, "fast"}, {&poll, "poll"}, {&slow, "slow"}}) {
        time.attach(*timer);
        timer->tick.connect([&fired, &time, name = std::string(name)] {
            fired.push_back(name + "@" + std::to_string(time.elapsed().count()));
        });
    }
    poll.setEnabled(true);
    slow.setEnabled(true);
    fast.setEnabled(true);
    fast.tick.connect([&] { fast.setEnabled(false); }); // one-shot, like the latch re-arm
    time.advance(milliseconds(50));
    EXPECT_EQ(fired, (std::vector<std::string>{"fast@1", "poll@10", "poll@20", "slow@25", "poll@30",
                                               "poll@40", "slow@50", "poll@50"}));
}

TEST(VirtualTime, ATimerStartedInsideATickFiresOneIntervalLater) {
    VirtualTime time;
    Timer first{milliseconds(10)}, second{milliseconds(1)};
    time.attach(first);
    time.attach(second);
    long long secondAt = -1;
    first.tick.connect([&] {
        first.setEnabled(false);
        second.setEnabled(true);
    });
    second.tick.connect([&] {
        secondAt = time.elapsed().count();
        second.setEnabled(false);
    });
    first.setEnabled(true);
    time.advance(milliseconds(20));
    EXPECT_EQ(secondAt, 11);
}

} // namespace
} // namespace aerolap
