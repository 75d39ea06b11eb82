#include "VirtualTime.h"

#include <algorithm>

namespace aerolap::testing {

void VirtualTime::attach(Timer& timer) {
    timer.runningChanged.connect([this, &timer](bool running) {
        std::erase_if(m_running, [&timer](const Running& entry) { return entry.timer == &timer; });
        if (running) {
            m_running.push_back({&timer, TickSchedule(timer, m_ticks), ++m_starts});
            m_running.back().schedule.restart(now());
        }
    });
    timer.woken.connect([this, &timer] {
        if (Running* entry = running(timer)) {
            entry->schedule.wake(now());
        }
    });
}

VirtualTime::Running* VirtualTime::running(const Timer& timer) {
    const auto found = std::ranges::find(m_running, &timer, &Running::timer);
    return found == m_running.end() ? nullptr : &*found;
}

void VirtualTime::runSoonTasks() {
    for (std::size_t i = 0; i < m_soon.size(); ++i) {
        const auto task = std::move(m_soon[i]);
        task();
    }
    m_soon.clear();
}

bool VirtualTime::advanceUntil(const std::function<bool()>& done, Ms limit) {
    const auto dueAt = [](const Running& entry) {
        return entry.schedule.due().value_or(TimePoint::max());
    };
    runSoonTasks();
    for (Ms waited{0}; waited < limit; waited += Ms(1)) {
        m_elapsed += Ms(1);
        // min_element takes the first of equals: the timer started longest ago.
        for (auto next = std::ranges::min_element(m_running, {}, dueAt);
             next != m_running.end() && dueAt(*next) != TimePoint::max() &&
             dueAt(*next) + tickLateness <= now();
             next = std::ranges::min_element(m_running, {}, dueAt)) {
            Timer& timer = *next->timer;
            const std::uint64_t start = next->start;
            const TimePoint ranAt = now();
            if (beforeTick && timer.enabled()) {
                beforeTick(timer);
            }
            timer.fire();
            // A timer the tick stopped is gone; one it restarted has planned its tick already.
            if (Running* entry = running(timer); entry != nullptr && entry->start == start) {
                entry->schedule.ran(ranAt);
            }
        }
        runSoonTasks();
        if (done()) {
            return true;
        }
    }
    return false;
}

} // namespace aerolap::testing
