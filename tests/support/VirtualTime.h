#pragma once

#include "elements/TickSchedule.h"
#include "elements/Timer.h"
#include "platform/MonotonicSource.h"
#include "platform/SuspendedTime.h"
#include "platform/WallClock.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

namespace aerolap::testing {

/// Simulated time for tests: a monotonic source that moves only when told, and a driver for
/// window timers that fires every due timer as time advances in 1 ms steps, planned as the
/// program's driver plans them. Timers due at the same moment fire in the order they were
/// (re)started. What is asked to run soon runs once a millisecond's ticks are over, as the event
/// loop's next turn would run it.
class VirtualTime final : public MonotonicSource {
public:
    using Ms = std::chrono::milliseconds;

    /// The date and time that goes with the virtual time: a fixed day's 09:00 UTC plus the time
    /// advanced, so that what a test records reads the same on every run.
    class Wall final : public WallClock {
    public:
        explicit Wall(const VirtualTime& time) : m_time(time) {}
        TimePoint now() const override {
            return TimePoint{} +
                   std::chrono::sys_days{std::chrono::year{2026} / 6 / 13}.time_since_epoch() +
                   std::chrono::hours(9) + m_time.elapsed();
        }

    private:
        const VirtualTime& m_time;
    };

    /// The time slept so far, in `sleep`.
    class Slept final : public SuspendedTime {
    public:
        explicit Slept(const VirtualTime& time) : m_time(time) {}
        std::chrono::nanoseconds sleptSoFar() const override { return m_time.m_slept; }

    private:
        const VirtualTime& m_time;
    };

    /// `ticks` says whether the timers leave out their quiet ticks, as in the program, or run
    /// every one.
    explicit VirtualTime(TickSchedule::Ticks ticks = TickSchedule::Ticks::LeaveOutQuiet)
        : m_ticks(ticks) {}

    // Starts far from zero so that nothing depends on a zero time point.
    TimePoint now() const override { return TimePoint{} + std::chrono::hours(1000) + m_elapsed; }
    /// Milliseconds since the harness was created.
    Ms elapsed() const { return m_elapsed; }

    void attach(Timer& timer);
    /// The laptop sleeps for `duration`: time goes on, no timer fires, and the time slept counts.
    void sleep(Ms duration) {
        m_elapsed += duration;
        m_slept += duration;
    }
    void advance(Ms duration) {
        advanceUntil([] { return false; }, duration);
    }
    /// Advances until `done()` holds after a step, at most `limit`; returns whether it held.
    bool advanceUntil(const std::function<bool()>& done, Ms limit);

    /// Runs `task` once the event in hand is over.
    void runSoon(std::function<void()> task) { m_soon.push_back(std::move(task)); }
    /// Runs every task asked to run soon so far, and those they ask for.
    void runSoonTasks();

    /// How late every tick runs after its moment, as on a busy event loop.
    Ms tickLateness{0};
    /// Told of each tick right before it runs, as the program's driver tells its watch.
    std::function<void(const Timer&)> beforeTick;
    const Wall wall{*this};
    const Slept slept{*this};

private:
    struct Running {
        Timer* timer;
        TickSchedule schedule;
        std::uint64_t start; // which (re)start this is, so that one inside its own tick shows
    };

    Running* running(const Timer& timer);

    TickSchedule::Ticks m_ticks;
    Ms m_elapsed{0};
    Ms m_slept{0};
    std::uint64_t m_starts = 0;
    std::vector<Running> m_running; // least recently (re)started first
    std::vector<std::function<void()>> m_soon;
};

} // namespace aerolap::testing
