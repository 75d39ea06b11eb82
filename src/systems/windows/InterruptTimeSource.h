#pragma once

#include "platform/MonotonicSource.h"
#include "platform/SuspendedTime.h"

namespace aerolap {

/// Windows's interrupt time, which goes on while the machine sleeps or hibernates, unlike the
/// performance counter behind the steady clock; the "unbiased" interrupt time leaves the sleep
/// out, so the difference between the two is the time suspended.
class InterruptTimeSource final : public MonotonicSource, public SuspendedTime {
public:
    TimePoint now() const override;
    std::chrono::nanoseconds sleptSoFar() const override;
};

} // namespace aerolap
