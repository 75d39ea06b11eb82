#pragma once

#include <chrono>

namespace aerolap {

/// The date and time of day, for what people read: notices, records, the moment a cycle began.
/// Never used to measure a duration, which is the monotonic source's job: the wall clock may be
/// set back or forward at any moment.
class WallClock {
public:
    using TimePoint = std::chrono::system_clock::time_point;

    virtual ~WallClock() = default;
    virtual TimePoint now() const = 0;
};

/// This machine's date and time.
class SystemWallClock final : public WallClock {
public:
    TimePoint now() const override { return std::chrono::system_clock::now(); }
};

} // namespace aerolap
