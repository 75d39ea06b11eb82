#pragma once

#include "Timer.h"

#include <optional>

namespace aerolap {

/// When a driver runs a timer's next tick. The ticks keep to the timer's grid; after a tick that
/// saw no change, a timer that may rest skips the ticks before its next change, which would only
/// have done again what it had just done. A change wakes it at the grid moment it would have
/// ticked at next. The program's driver and the tests' virtual time both plan with this class, so
/// the tests run the very schedule the program runs.
class TickSchedule {
public:
    using TimePoint = Timer::TimePoint;
    enum class Ticks {
        /// Ticks that provably change nothing are left out: the program's way.
        LeaveOutQuiet,
        /// Every tick on the grid runs: the reference the other way is checked against.
        EveryInterval,
    };

    explicit TickSchedule(const Timer& timer, Ticks ticks = Ticks::LeaveOutQuiet)
        : m_timer(&timer), m_ticks(ticks) {}

    /// The timer was enabled, or enabled again, at `now`.
    void restart(TimePoint now);
    /// A tick ran at `ranAt`, and the timer still runs without having been restarted by it.
    void ran(TimePoint ranAt);
    /// The timer was woken at `now`: its next tick comes no later than the first grid moment
    /// after `now`.
    void wake(TimePoint now);

    /// When the next tick is due; nothing while the timer rests until it is woken.
    std::optional<TimePoint> due() const { return m_due; }

private:
    /// The first moment on the grid at or after `moment`.
    TimePoint gridMomentFrom(TimePoint moment) const;

    const Timer* m_timer;
    Ticks m_ticks;
    /// The tick that ticking every interval would run next; the grid continues from it in steps
    /// of the interval, as nothing moves the grid's anchor without waking the timer.
    TimePoint m_gridNext{};
    std::optional<TimePoint> m_due;
};

} // namespace aerolap
