#pragma once

#include <functional>
#include <utility>

namespace aerolap {

/// A task run once the event being handled is over, however often it was asked for during it:
/// a handler changes the window one element at a time, and what follows the window's state
/// should read it whole.
class AfterTheEvent {
public:
    /// Runs the task once the event being handled is over (the event loop's next turn).
    using RunSoon = std::function<void(std::function<void()>)>;

    AfterTheEvent(RunSoon runSoon, std::function<void()> task)
        : m_runSoon(std::move(runSoon)), m_task(std::move(task)) {}
    AfterTheEvent(const AfterTheEvent&) = delete;
    AfterTheEvent& operator=(const AfterTheEvent&) = delete;

    void ask() {
        if (m_pending) {
            return;
        }
        m_pending = true;
        m_runSoon([this] {
            m_pending = false;
            m_task();
        });
    }

private:
    RunSoon m_runSoon;
    std::function<void()> m_task;
    bool m_pending = false;
};

} // namespace aerolap
