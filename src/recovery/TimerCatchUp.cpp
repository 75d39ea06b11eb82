#include "TimerCatchUp.h"

#include <algorithm>
#include <tuple>

namespace aerolap {

TimerCatchUp::TimerCatchUp(Replay& replay, std::span<Timer* const> timers) : m_replay(replay) {
    // Reserved, so that each booking stays where its connections point.
    m_bookings.reserve(timers.size());
    for (Timer* timer : timers) {
        Booking& booking =
            m_bookings.emplace_back(timer, TickSchedule(*timer), false, 0, std::nullopt);
        booking.timer->runningChanged.connect([this, &booking](bool running) {
            settle();
            booking.running = running;
            booking.ranAt.reset();
            if (running) {
                booking.schedule.restart(m_replay.time().now());
                booking.order = ++m_lastOrder;
            }
        });
        booking.timer->woken.connect([this, &booking] {
            settle();
            booking.schedule.wake(m_replay.time().now());
        });
    }
}

TimerCatchUp::Booking& TimerCatchUp::bookingOf(const Timer& timer) {
    return *std::ranges::find(m_bookings, &timer, &Booking::timer);
}

void TimerCatchUp::settle() {
    for (Booking& booking : m_bookings) {
        // A tick still running has not yet seen all it changes.
        if (!booking.ranAt || booking.timer->firing()) {
            continue;
        }
        if (booking.running) {
            booking.schedule.ran(*booking.ranAt);
        }
        booking.ranAt.reset();
    }
}

std::chrono::nanoseconds TimerCatchUp::lateness(const Timer& timer) {
    settle();
    const Booking& booking = bookingOf(timer);
    const auto due = booking.schedule.due();
    if (!booking.running || !due) {
        return std::chrono::nanoseconds(0);
    }
    return std::max(m_replay.time().now() - *due, std::chrono::nanoseconds(0));
}

void TimerCatchUp::ticking(const Timer& timer) {
    settle();
    bookingOf(timer).ranAt = m_replay.time().now();
}

TimerCatchUp::Booking* TimerCatchUp::earliestBefore(TimePoint limit, bool inclusive) {
    settle();
    Booking* earliest = nullptr;
    TimePoint earliestAt{};
    for (Booking& booking : m_bookings) {
        const auto at = booking.schedule.due();
        if (!booking.running || !at || *at > limit || (*at == limit && !inclusive)) {
            continue;
        }
        if (!earliest || std::tie(*at, booking.order) < std::tie(earliestAt, earliest->order)) {
            earliest = &booking;
            earliestAt = *at;
        }
    }
    return earliest;
}

void TimerCatchUp::replayUntil(TimePoint until) {
    while (Booking* next = earliestBefore(until, false)) {
        const TimePoint at = *next->schedule.due();
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
    booking.ranAt = at;
    booking.timer->fire();
}

} // namespace aerolap
