#include "BootTimeSource.h"

#include <ctime>

namespace aerolap {

namespace {

std::chrono::nanoseconds readClock(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

} // namespace

MonotonicSource::TimePoint BootTimeSource::now() const {
    return TimePoint(std::chrono::duration_cast<TimePoint::duration>(readClock(CLOCK_BOOTTIME)));
}

std::chrono::nanoseconds BootTimeSource::sleptSoFar() const {
    // Read in this order, a tick of either between the reads cannot make the difference negative.
    const auto awake = readClock(CLOCK_MONOTONIC);
    const auto sinceBoot = readClock(CLOCK_BOOTTIME);
    return sinceBoot > awake ? sinceBoot - awake : std::chrono::nanoseconds(0);
}

} // namespace aerolap
