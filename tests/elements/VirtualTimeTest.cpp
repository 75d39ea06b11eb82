#include "VirtualTime.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace aerolap {
namespace {

using namespace std::chrono_literals;

TEST(VirtualTime, FiresDueTimersInOrderAndATimerStartedInATickOneIntervalLater) {
    testing::VirtualTime time;
    Timer oneShot{1ms}, poll{10ms}, slow{25ms}, started{1ms};
    std::vector<std::string> fired;
    for (auto [timer, name] : {std::pair{&oneShot, "oneShot"},
                               {&poll, "poll"},
                               {&slow, "slow"},
                               {&started, "started"}}) {
        time.attach(*timer);
        timer->tick.connect([&fired, &time, name = std::string(name)] {
            fired.push_back(name + "@" + std::to_string(time.elapsed().count()));
        });
    }
    oneShot.tick.connect([&] { oneShot.setEnabled(false); }); // like the latch re-arm
    slow.tick.connect([&] { started.setEnabled(true); });
    started.tick.connect([&] { started.setEnabled(false); });
    poll.setEnabled(true);
    slow.setEnabled(true);
    oneShot.setEnabled(true);
    time.advance(50ms);
    EXPECT_EQ(fired,
              (std::vector<std::string>{"oneShot@1", "poll@10", "poll@20", "slow@25", "started@26",
                                        "poll@30", "poll@40", "slow@50", "poll@50"}));
}

} // namespace
} // namespace aerolap
