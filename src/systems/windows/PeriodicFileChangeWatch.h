#pragma once

#include "platform/FileChangeWatch.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace aerolap {

/// Says once a second that the files may have changed, on a thread of its own: the sound files are
/// then looked at (their size and time), and decoded again only when they did change. Windows's
/// change notifications could replace this; under Wine, which the tests run on, they miss the
/// folders that appear later.
class PeriodicFileChangeWatch final : public FileChangeWatch {
public:
    PeriodicFileChangeWatch();
    ~PeriodicFileChangeWatch() override;

    void watch(const std::vector<std::filesystem::path>& files, Changed changed) override;

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    Changed m_changed;
    std::thread m_thread;
};

} // namespace aerolap
