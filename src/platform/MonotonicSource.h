#pragma once

#include <chrono>

namespace aerolap {

/// The one source of "now" for everything that measures time. Injected, so tests can run whole
/// contest cycles in virtual time.
class MonotonicSource {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~MonotonicSource() = default;
    virtual TimePoint now() const = 0;
};

/// The real monotonic clock of the machine.
class SteadyMonotonicSource final : public MonotonicSource {
public:
    TimePoint now() const override { return std::chrono::steady_clock::now(); }
};

} // namespace aerolap
