#pragma once

#include "Signal.h"

#include <chrono>

namespace aerolap {

/// A periodic timer as the window sees it: an interval and a running flag. Ticks come from a
/// driver (a QTimer in the program, virtual time in tests) that listens to `runningChanged` and
/// calls `fire()`. Enabling a running timer restarts its interval, so "start" always means
/// "next tick one interval from now".
class Timer {
public:
    explicit Timer(std::chrono::milliseconds interval) : m_interval(interval) {}
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    std::chrono::milliseconds interval() const { return m_interval; }
    bool enabled() const { return m_enabled; }

    void setEnabled(bool enabled) {
        if (!enabled && !m_enabled) {
            return;
        }
        m_enabled = enabled;
        runningChanged.emit(enabled);
    }

    /// Called by the driver when an interval has passed. A tick that arrives after the timer
    /// was disabled (already queued by the event loop) is dropped.
    void fire() {
        if (m_enabled) {
            tick.emit();
        }
    }

    /// The timer's event: its handler (`TimerN_Timer`) connects here.
    Signal<> tick;
    /// For the driver: raised on every enabling (including a restart) and on disabling.
    Signal<bool> runningChanged;

private:
    std::chrono::milliseconds m_interval;
    bool m_enabled = false;
};

} // namespace aerolap
