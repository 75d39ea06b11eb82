#include "InterruptTimeSource.h"

#include <realtimeapiset.h>
#include <windows.h>

namespace aerolap {

namespace {

// Both interrupt times count in units of 100 ns.
using Ticks = std::chrono::duration<long long, std::ratio<1, 10'000'000>>;

Ticks interruptTime() {
    ULONGLONG units = 0;
    QueryInterruptTimePrecise(&units);
    return Ticks(static_cast<long long>(units));
}

// To the timer tick (about 15 ms), which is plenty for telling a sleep: the precise form exists
// only from Windows 10 on, and Wine 8 lacks it.
Ticks unbiasedInterruptTime() {
    ULONGLONG units = 0;
    QueryUnbiasedInterruptTime(&units);
    return Ticks(static_cast<long long>(units));
}

} // namespace

MonotonicSource::TimePoint InterruptTimeSource::now() const {
    return TimePoint(std::chrono::duration_cast<TimePoint::duration>(interruptTime()));
}

std::chrono::nanoseconds InterruptTimeSource::sleptSoFar() const {
    const Ticks awake = unbiasedInterruptTime();
    const Ticks total = interruptTime();
    return total > awake ? std::chrono::duration_cast<std::chrono::nanoseconds>(total - awake)
                         : std::chrono::nanoseconds(0);
}

} // namespace aerolap
