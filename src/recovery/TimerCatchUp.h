#pragma once

#include "Replay.h"
#include "elements/TickSchedule.h"
#include "elements/Timer.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace aerolap {

/// Keeps the timetable of every timer the handlers run on, planned as their driver plans it (a
/// `TickSchedule` each), and can replay what the handlers missed: `catchUpTo` runs every tick that
/// fell due before a moment, in the order and at the moments an event loop would have run them,
/// with time held at each one (see `Replay`). The handlers then decide everything themselves, so
/// a catch-up cannot disagree with an uninterrupted run: a phase that ran out in the span hands
/// over at the moment it ran out, and latches, buttons and minute beeps end as they would have.
/// As in the program, a poll rests between the running clock's seconds unless something it reads
/// changes: an hour of catch-up is a few thousand ticks, not hundreds of thousands.
class TimerCatchUp {
public:
    using TimePoint = MonotonicSource::TimePoint;

    /// `timers`: every timer with a driver.
    TimerCatchUp(Replay& replay, std::span<Timer* const> timers);
    TimerCatchUp(const TimerCatchUp&) = delete;
    TimerCatchUp& operator=(const TimerCatchUp&) = delete;

    /// For the driver, right before it fires `timer`: how long after its due moment it does.
    std::chrono::nanoseconds lateness(const Timer& timer);
    /// For the driver, right before it fires `timer`: books the tick, as the driver books its
    /// next one.
    void ticking(const Timer& timer);

    /// Runs, in the past, every tick due before `until`, then, in the present, the ticks due at
    /// `until` itself; `until` is now.
    void catchUpTo(TimePoint until);
    /// Runs, in the past, every tick due before `until`, and leaves time held there: for a step
    /// the operator took at a past moment.
    void replayUntil(TimePoint until);

private:
    struct Booking {
        Timer* timer;
        TickSchedule schedule;
        bool running = false;
        /// Among ticks due at the same moment, the timer (re)started first runs first, as in the
        /// tests' virtual time.
        std::uint64_t order = 0;
        /// A tick that ran, whose outcome (whether the timer may rest) is taken in `settle`.
        std::optional<TimePoint> ranAt;
    };

    Booking& bookingOf(const Timer& timer);
    /// Plans the next tick of every timer whose tick has run since: its handler has seen all it
    /// changes by then.
    void settle();
    Booking* earliestBefore(TimePoint limit, bool inclusive);
    void fire(Booking& booking, TimePoint at);

    Replay& m_replay;
    std::vector<Booking> m_bookings;
    std::uint64_t m_lastOrder = 0;
};

} // namespace aerolap
