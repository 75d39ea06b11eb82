#pragma once

#include "Replay.h"
#include "elements/Clock.h"
#include "elements/Timer.h"

#include <chrono>
#include <cstdint>
#include <span>
#include <vector>

namespace aerolap {

/// Keeps the timetable of every timer the handlers run on, as their driver does, and can replay
/// what the handlers missed: `catchUpTo` runs every tick that fell due before a moment, in the
/// order and at the moments an event loop would have run them, with time held at each one (see
/// `Replay`). The handlers then decide everything themselves, so a catch-up cannot disagree with
/// an uninterrupted run: a phase that ran out in the span hands over at the moment it ran out,
/// and latches, buttons and minute beeps end as they would have.
///
/// The polls of the running clock see nothing new between two of its seconds, so after one tick
/// has seen a second, a poll's next ticks are skipped until the clock's next second or another
/// event: an hour of catch-up is a few thousand ticks, not hundreds of thousands.
class TimerCatchUp {
public:
    using TimePoint = MonotonicSource::TimePoint;

    /// `timers`: every timer with a driver; `clockPolls`, among them, those whose handlers read
    /// time only through `clock`.
    TimerCatchUp(Replay& replay, std::span<Timer* const> timers, const Clock& clock,
                 std::span<Timer* const> clockPolls);
    TimerCatchUp(const TimerCatchUp&) = delete;
    TimerCatchUp& operator=(const TimerCatchUp&) = delete;

    /// For the driver, right before it fires `timer`: how long after its due moment it does.
    std::chrono::nanoseconds lateness(const Timer& timer) const;
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
        bool clockPoll;
        bool running = false;
        TimePoint due{};
        /// Among ticks due at the same moment, the one booked first runs first.
        std::uint64_t order = 0;
        /// A poll that has seen the state since it last changed waits for the next second.
        std::optional<TimePoint> sawStateAt;
    };

    Booking& bookingOf(const Timer& timer);
    const Booking& bookingOf(const Timer& timer) const;
    std::optional<TimePoint> nextTickOf(const Booking& booking) const;
    Booking* earliestBefore(TimePoint limit, bool inclusive);
    void fire(Booking& booking, TimePoint at);
    void stateChanged();

    Replay& m_replay;
    const Clock& m_clock;
    std::vector<Booking> m_bookings;
    std::uint64_t m_lastOrder = 0;
    std::uint64_t m_changes = 0;
};

} // namespace aerolap
