#include "PeriodicFileChangeWatch.h"

#include "platform/CurrentThreadName.h"

#include <chrono>

namespace aerolap {

PeriodicFileChangeWatch::PeriodicFileChangeWatch() {
    m_thread = std::thread([this] {
        nameCurrentThread("file watch");
        std::unique_lock lock(m_mutex);
        while (!m_wake.wait_for(lock, std::chrono::seconds(1), [this] { return m_stopping; })) {
            if (m_changed) {
                m_changed();
            }
        }
    });
}

PeriodicFileChangeWatch::~PeriodicFileChangeWatch() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void PeriodicFileChangeWatch::watch(const std::vector<std::filesystem::path>& /*files*/,
                                    Changed changed) {
    const std::lock_guard lock(m_mutex);
    m_changed = std::move(changed);
}

} // namespace aerolap
