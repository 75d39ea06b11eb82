#pragma once

#include "platform/MonotonicSource.h"
#include "platform/SuspendedTime.h"

namespace aerolap {

/// Linux's time since boot (CLOCK_BOOTTIME), which goes on while the machine is suspended, unlike
/// the steady clock (CLOCK_MONOTONIC); the difference between the two is the time suspended.
class BootTimeSource final : public MonotonicSource, public SuspendedTime {
public:
    TimePoint now() const override;
    std::chrono::nanoseconds sleptSoFar() const override;
};

} // namespace aerolap
