#pragma once

#include "Signal.h"

#include <chrono>
#include <functional>
#include <optional>

namespace aerolap {

/// A periodic timer as the window sees it: an interval and a running flag. Ticks come from a
/// driver (a QTimer in the program, virtual time in tests) that listens to `runningChanged` and
/// calls `fire()`, planning each tick with a `TickSchedule`. Enabling a running timer restarts
/// its interval, so "start" always means "next tick one interval from now".
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

    /// Lets the driver leave out ticks that cannot change anything. A handler that reads only
    /// what raises `wake` when it changes, and time through a clock whose reading changes only at
    /// the moments `nextChange` names, does on a tick after one that saw no change exactly what it
    /// did then: nothing new. `nextChange(moment)` is the first such moment after `moment`, or
    /// nothing when the reading never changes by itself.
    using NextChange = std::function<std::optional<TimePoint>(TimePoint)>;
    void restBetweenChanges(NextChange nextChange) { m_nextChange = std::move(nextChange); }

    /// Something the handler reads has changed: a resting timer ticks again at its next moment
    /// on the grid.
    void wake() {
        m_changedSinceTick = true;
        if (m_enabled && !m_firing) {
            woken.emit();
        }
    }

    /// Whether the timer's own tick is running now.
    bool firing() const { return m_firing; }

    /// For the driver: the last tick saw no change, so the timer may rest until its next change
    /// (`nextChangeAfter`) unless woken first. Taken as the tick ended: a change after it wakes
    /// the timer instead, however late the driver plans.
    bool mayRest() const { return m_restAfterTick; }
    std::optional<TimePoint> nextChangeAfter(TimePoint moment) const {
        return m_nextChange(moment);
    }

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
        if (!m_enabled) {
            return;
        }
        m_changedSinceTick = false;
        m_firing = true;
        tick.emit();
        m_firing = false;
        m_restAfterTick = m_nextChange && !m_changedSinceTick;
    }

    /// The timer's event: its handler (`TimerN_Timer`) connects here.
    Signal<> tick;
    /// For the driver: raised on every enabling (including a restart) and on disabling.
    Signal<bool> runningChanged;
    /// For the driver: a running timer was woken outside its own tick.
    Signal<> woken;

private:
    std::chrono::milliseconds m_interval;
    bool m_enabled = false;
    StepAnchor m_anchor;
    NextChange m_nextChange;
    bool m_changedSinceTick = false;
    bool m_restAfterTick = false;
    bool m_firing = false;
};

} // namespace aerolap
