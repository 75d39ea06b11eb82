#include "VirtualTime.h"

namespace aerolap::testing {

void VirtualTime::attach(Timer& timer) {
    const std::size_t index = m_timers.size();
    m_timers.push_back(Attached{&timer});
    timer.runningChanged.connect([this, index](bool running) {
        Attached& entry = m_timers[index];
        entry.running = running;
        if (running) {
            entry.due = m_elapsed + entry.timer->interval();
            entry.order = m_nextOrder++;
        }
    });
}

void VirtualTime::step() {
    m_elapsed += Ms(1);
    for (;;) {
        Attached* next = nullptr;
        for (Attached& entry : m_timers) {
            if (entry.running && entry.due <= m_elapsed &&
                (next == nullptr || entry.due < next->due ||
                 (entry.due == next->due && entry.order < next->order))) {
                next = &entry;
            }
        }
        if (next == nullptr) {
            return;
        }
        next->due = std::chrono::duration_cast<Ms>(next->timer->nextTickAfter(now()) - now()) +
                    m_elapsed;
        next->order = m_nextOrder++;
        next->timer->fire();
    }
}

void VirtualTime::advance(Ms duration) {
    for (Ms done{0}; done < duration; done += Ms(1)) {
        step();
    }
}

bool VirtualTime::advanceUntil(const std::function<bool()>& done, Ms limit) {
    for (Ms waited{0}; waited < limit; waited += Ms(1)) {
        step();
        if (done()) {
            return true;
        }
    }
    return false;
}

} // namespace aerolap::testing
