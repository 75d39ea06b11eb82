#pragma once

#include <chrono>

namespace aerolap {

/// How long the machine has been suspended since it started: the part of the monotonic source's
/// time during which nothing ran. Its growth between two reads is how long the laptop slept.
class SuspendedTime {
public:
    virtual ~SuspendedTime() = default;
    virtual std::chrono::nanoseconds sleptSoFar() const = 0;
};

} // namespace aerolap
