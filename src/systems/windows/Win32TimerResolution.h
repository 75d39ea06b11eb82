#pragma once

#include "platform/TimerResolution.h"

namespace aerolap {

/// The multimedia timer period: 1 ms while fine (timeBeginPeriod), the system's default again
/// when not, and at the latest when this is destroyed.
class Win32TimerResolution final : public TimerResolution {
public:
    Win32TimerResolution() = default;
    ~Win32TimerResolution() override;
    Win32TimerResolution(const Win32TimerResolution&) = delete;
    Win32TimerResolution& operator=(const Win32TimerResolution&) = delete;

    void setFine(bool fine) override;

private:
    bool m_fine = false;
};

} // namespace aerolap
