#pragma once

#include "Signal.h"

#include <chrono>
#include <functional>
#include <optional>

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

    using TimePoint = std::chrono::steady_clock::time_point;
    /// The moment the ticks keep in step with, when there is one.
    using StepAnchor = std::function<std::optional<TimePoint>()>;

    std::chrono::milliseconds interval() const { return m_interval; }

    /// Keeps the ticks on the anchor's grid: each tick after the first falls on the anchor plus a
    /// whole number of intervals, however late the one before it ran. A poll of the running clock
    /// then sees each new second within one tick of the driver's precision instead of drifting
    /// out of step phase after phase.
    void keepInStepWith(StepAnchor anchor) { m_anchor = std::move(anchor); }

    /// For the driver: when the tick after one that ran at `ranAt` is due.
    TimePoint nextTickAfter(TimePoint ranAt) const {
        const std::optional<TimePoint> anchor = m_anchor ? m_anchor() : std::nullopt;
        if (!anchor || *anchor > ranAt) {
            return ranAt + m_interval;
        }
        return *anchor + ((ranAt - *anchor) / m_interval + 1) * m_interval;
    }
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
    StepAnchor m_anchor;
};

} // namespace aerolap
