#pragma once

#include <chrono>

namespace aerolap {

/// The one source of "now" for everything that measures time. Injected, so tests can run whole
/// contest cycles in virtual time. The program's own source counts the time the machine was
/// suspended too: the pilots fly on while a laptop sleeps, so the cycle must find itself where real
/// time is when it wakes.
class MonotonicSource {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~MonotonicSource() = default;
    virtual TimePoint now() const = 0;
};

/// The machine's steady clock, which on some systems stops while the machine is suspended: for
/// measurements that need no more.
class SteadyMonotonicSource final : public MonotonicSource {
public:
    TimePoint now() const override { return std::chrono::steady_clock::now(); }
};

} // namespace aerolap
