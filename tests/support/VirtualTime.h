#pragma once

#include "elements/Timer.h"
#include "platform/MonotonicSource.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

namespace aerolap::testing {

/// Simulated time for tests: a monotonic source that moves only when told, and a driver for
/// window timers that fires every due timer in order as time advances in 1 ms steps. Timers
/// due at the same moment fire in the order they were (re)started, as an event loop would.
class VirtualTime final : public MonotonicSource {
public:
    using Ms = std::chrono::milliseconds;

    TimePoint now() const override { return TimePoint{} + kEpoch + m_elapsed; }

    /// Milliseconds since the harness was created.
    Ms elapsed() const { return m_elapsed; }

    void attach(Timer& timer);

    /// Advances by `duration` in 1 ms steps, firing due timers at each step.
    void advance(Ms duration);

    /// Advances in 1 ms steps until `done()` holds (checked after each step), at most `limit`.
    /// Returns whether `done()` held.
    bool advanceUntil(const std::function<bool()>& done, Ms limit);

private:
    struct Attached {
        Timer* timer;
        bool running = false;
        Ms due{};
        std::uint64_t order = 0;
    };

    void step();

    // Starts far from zero so that nothing depends on a zero time point.
    static constexpr std::chrono::hours kEpoch{1000};
    Ms m_elapsed{0};
    std::uint64_t m_nextOrder = 0;
    std::vector<Attached> m_timers;
};

} // namespace aerolap::testing
