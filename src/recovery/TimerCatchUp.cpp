#include "TimerCatchUp.h"

#include <algorithm>
#include <tuple>

namespace aerolap {

TimerCatchUp::TimerCatchUp(Replay& replay, std::span<Timer* const> timers, const Clock& clock,
                           std::span<Timer* const> clockPolls)
    : m_replay(replay), m_clock(clock) {
    m_bookings.reserve(timers.size());
    for (Timer* timer : timers) {
        Booking booking{};
        booking.timer = timer;
        booking.clockPoll = std::ranges::find(clockPolls, timer) != clockPolls.end();
        m_bookings.push_back(booking);
    }
    for (Booking& booking : m_bookings) {
        booking.timer->runningChanged.connect([this, &booking](bool running) {
            booking.running = running;
            if (running) {
                booking.due = m_replay.time().now() + booking.timer->interval();
                booking.order = ++m_lastOrder;
            }
            stateChanged();
        });
    }
}

TimerCatchUp::Booking& TimerCatchUp::bookingOf(const Timer& timer) {
    return *std::ranges::find(m_bookings, &timer, &Booking::timer);
}

const TimerCatchUp::Booking& TimerCatchUp::bookingOf(const Timer& timer) const {
    return *std::ranges::find(m_bookings, &timer, &Booking::timer);
}

std::chrono::nanoseconds TimerCatchUp::lateness(const Timer& timer) const {
    const Booking& booking = bookingOf(timer);
    const auto late = m_replay.time().now() - booking.due;
    return booking.running && late > late.zero() ? late : std::chrono::nanoseconds(0);
}

void TimerCatchUp::ticking(const Timer& timer) {
    Booking& booking = bookingOf(timer);
    const TimePoint now = m_replay.time().now();
    booking.due = timer.nextTickAfter(now);
    booking.order = ++m_lastOrder;
}

std::optional<TimerCatchUp::TimePoint> TimerCatchUp::nextTickOf(const Booking& booking) const {
    if (!booking.running) {
        return std::nullopt;
    }
    if (!booking.clockPoll || !booking.sawStateAt) {
        return booking.due;
    }
    const auto change = m_clock.secondChangeAfter(*booking.sawStateAt);
    if (!change) {
        return std::nullopt;
    }
    // The first tick of the poll's own rhythm at or after the change.
    const TimePoint tick = booking.timer->nextTickAfter(*change - std::chrono::nanoseconds(1));
    return std::max(tick, booking.due);
}

TimerCatchUp::Booking* TimerCatchUp::earliestBefore(TimePoint limit, bool inclusive) {
    Booking* earliest = nullptr;
    std::optional<TimePoint> earliestAt;
    for (Booking& booking : m_bookings) {
        const auto at = nextTickOf(booking);
        if (!at || *at > limit || (*at == limit && !inclusive)) {
            continue;
        }
        if (!earliest || std::tie(*at, booking.order) < std::tie(*earliestAt, earliest->order)) {
            earliest = &booking;
            earliestAt = at;
        }
    }
    return earliest;
}

void TimerCatchUp::replayUntil(TimePoint until) {
    stateChanged();
    while (Booking* next = earliestBefore(until, false)) {
        const TimePoint at = *nextTickOf(*next);
        m_replay.replayAt(at);
        fire(*next, at);
    }
}

void TimerCatchUp::catchUpTo(TimePoint until) {
    replayUntil(until);
    m_replay.present();
    while (Booking* next = earliestBefore(until, true)) {
        fire(*next, until);
    }
    m_replay.finish();
}

void TimerCatchUp::fire(Booking& booking, TimePoint at) {
    booking.due = booking.timer->nextTickAfter(at);
    booking.order = ++m_lastOrder;
    if (!booking.clockPoll) {
        stateChanged();
    }
    const std::uint64_t changesBefore = m_changes;
    booking.timer->fire();
    // A poll that changed what it watches (a phase handed over) must look again.
    if (booking.clockPoll && m_changes == changesBefore) {
        booking.sawStateAt = at;
    }
}

void TimerCatchUp::stateChanged() {
    ++m_changes;
    for (Booking& booking : m_bookings) {
        booking.sawStateAt.reset();
    }
}

} // namespace aerolap
