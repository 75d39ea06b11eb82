#include "MmcssThreadPriority.h"

#include <string>
#include <utility>

// clang-format off
#include <windows.h>
#include <avrt.h> // needs the types of windows.h before it
// clang-format on

namespace aerolap {

namespace {

/// The thread's registration with the scheduler, given back on the thread that made it.
thread_local HANDLE t_soundTask = nullptr;

std::string systemError() {
    return "Windows error " + std::to_string(GetLastError());
}

} // namespace

void MmcssThreadPriority::raiseTimingThread() {
    if (!SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_ABOVE_NORMAL)) {
        refused("thread priority: " + systemError());
    }
}

void MmcssThreadPriority::raiseSoundThread() {
    DWORD taskIndex = 0;
    t_soundTask = AvSetMmThreadCharacteristicsW(L"Audio", &taskIndex);
    if (t_soundTask == nullptr) {
        refused("multimedia class scheduler: " + systemError());
    }
}

void MmcssThreadPriority::lowerSoundThread() {
    if (t_soundTask != nullptr) {
        AvRevertMmThreadCharacteristics(std::exchange(t_soundTask, nullptr));
    }
}

void MmcssThreadPriority::refused(const std::string& why) {
    if (m_told.exchange(true)) {
        return;
    }
    m_notices.post(timingThreadsRefused(why));
}

} // namespace aerolap
