#include "Win32TimerResolution.h"

// clang-format off
#include <windows.h>
#include <timeapi.h> // needs the types of windows.h before it
// clang-format on

namespace aerolap {
namespace {
constexpr UINT kFinestMilliseconds = 1;
}

Win32TimerResolution::~Win32TimerResolution() {
    setFine(false);
}

void Win32TimerResolution::setFine(bool fine) {
    if (fine == m_fine) {
        return;
    }
    // Every begin must be matched by an end of the same period, so only a change calls either.
    if (fine) {
        m_fine = timeBeginPeriod(kFinestMilliseconds) == TIMERR_NOERROR;
    } else {
        static_cast<void>(timeEndPeriod(kFinestMilliseconds));
        m_fine = false;
    }
}

} // namespace aerolap
