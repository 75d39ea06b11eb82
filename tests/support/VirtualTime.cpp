#include "VirtualTime.h"

#include <algorithm>

namespace aerolap::testing {

void VirtualTime::attach(Timer& timer) {
    timer.runningChanged.connect([this, &timer](bool running) {
        std::erase_if(m_due, [&timer](const Due& due) { return due.timer == &timer; });
        if (running) {
            m_due.push_back({m_elapsed + timer.interval(), &timer});
        }
    });
}

bool VirtualTime::advanceUntil(const std::function<bool()>& done, Ms limit) {
    for (Ms waited{0}; waited < limit; waited += Ms(1)) {
        m_elapsed += Ms(1);
        // min_element takes the first of equals: the timer started longest ago.
        for (auto next = std::ranges::min_element(m_due, {}, &Due::at);
             next != m_due.end() && next->at + tickLateness <= m_elapsed;
             next = std::ranges::min_element(m_due, {}, &Due::at)) {
            Timer* timer = next->timer;
            m_due.erase(next);
            m_due.push_back(
                {std::chrono::duration_cast<Ms>(timer->nextTickAfter(now()) - now()) + m_elapsed,
                 timer});
            if (beforeTick && timer->enabled()) {
                beforeTick(*timer);
            }
            timer->fire();
        }
        if (done()) {
            return true;
        }
    }
    return false;
}

} // namespace aerolap::testing
