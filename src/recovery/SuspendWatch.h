#pragma once

#include "TimerCatchUp.h"
#include "elements/Signal.h"
#include "elements/Timer.h"
#include "notices/NoticeBoard.h"
#include "platform/SuspendedTime.h"

#include <chrono>

namespace aerolap {

/// Looks at time before each tick a driver runs. A tick far behind its moment means the handlers
/// have not run for a while (the laptop slept, or something held the program up): the pilots
/// flew on, so the span is caught up before the late tick runs, and the cycle carries on where
/// real time says. The director is told how long the laptop slept.
class SuspendWatch {
public:
    /// Later than this, a tick is no longer one a busy event loop ran late: its span is caught up.
    static constexpr auto kCatchUpAfter = std::chrono::seconds(1);

    SuspendWatch(TimerCatchUp& catchUp, const MonotonicSource& realTime,
                 const SuspendedTime& suspended, NoticeBoard& notices);
    SuspendWatch(const SuspendWatch&) = delete;
    SuspendWatch& operator=(const SuspendWatch&) = delete;

    /// The drivers' hook, right before they fire `timer`.
    void beforeTick(const Timer& timer);

    /// Raised once the laptop is found to have slept, with how long (for a record of the day).
    Signal<std::chrono::nanoseconds> slept;

private:
    TimerCatchUp& m_catchUp;
    const MonotonicSource& m_time;
    const SuspendedTime& m_suspended;
    NoticeBoard& m_notices;
    std::chrono::nanoseconds m_sleptBefore;
};

/// "1 h 2 min 5 s", "4 min 12 s", "12 s", "0.4 s": a duration as the director reads it.
std::string spokenDuration(std::chrono::nanoseconds span);

} // namespace aerolap
