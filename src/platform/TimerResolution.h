#pragma once

namespace aerolap {

/// How finely the system's timers fire. Some systems (Windows) wake timers on a coarse grid of
/// about 16 ms unless a program asks for finer steps, which keeps the whole machine from resting
/// and so costs battery: ask only while it matters.
class TimerResolution {
public:
    virtual ~TimerResolution() = default;
    /// Asks for the finest steps while `fine`, and gives them back when not.
    virtual void setFine(bool fine) = 0;
};

/// A system whose timers are fine without being asked.
class FineTimersAlready final : public TimerResolution {
public:
    void setFine(bool) override {}
};

} // namespace aerolap
