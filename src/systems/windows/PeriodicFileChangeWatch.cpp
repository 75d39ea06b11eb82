#include "PeriodicFileChangeWatch.h"

#include "platform/CurrentThreadName.h"

#include <chrono>

namespace aerolap {

PeriodicFileChangeWatch::PeriodicFileChangeWatch() {
    m_thread = std::jthread([this](const std::stop_token& stop) {
        nameCurrentThread("file watch");
        std::unique_lock lock(m_mutex);
        while (!m_wake.wait_for(lock, stop, std::chrono::seconds(1),
                                [&stop] { return stop.stop_requested(); })) {
            if (m_changed) {
                m_changed();
            }
        }
    });
}

void PeriodicFileChangeWatch::watch(const std::vector<std::filesystem::path>& /*files*/,
                                    Changed changed) {
    const std::lock_guard lock(m_mutex);
    m_changed = std::move(changed);
}

} // namespace aerolap
