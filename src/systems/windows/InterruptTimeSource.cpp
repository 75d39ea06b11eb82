#include "InterruptTimeSource.h"

#include <windows.h>

namespace aerolap {

namespace {

// The interrupt times count in units of 100 ns.
using Ticks = std::chrono::duration<long long, std::ratio<1, 10'000'000>>;
using QueryTime = VOID(WINAPI*)(PULONGLONG);

/// The precise interrupt time of Windows 10 and later; nothing where it is missing (Wine 8 has
/// none), so that the program still starts there.
QueryTime preciseInterruptTime() {
    static const QueryTime query = [] {
        const HMODULE kernel = GetModuleHandleW(L"kernelbase.dll");
        const FARPROC found =
            kernel != nullptr ? GetProcAddress(kernel, "QueryInterruptTimePrecise") : nullptr;
        return reinterpret_cast<QueryTime>(reinterpret_cast<void*>(found));
    }();
    return query;
}

Ticks interruptTime() {
    if (const QueryTime query = preciseInterruptTime()) {
        ULONGLONG units = 0;
        query(&units);
        return Ticks(static_cast<long long>(units));
    }
    // The performance counter, as fine but without the time slept.
    LARGE_INTEGER count{}, frequency{};
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    const long long perSecond = frequency.QuadPart;
    return Ticks(count.QuadPart / perSecond * 10'000'000 +
                 count.QuadPart % perSecond * 10'000'000 / perSecond);
}

} // namespace

MonotonicSource::TimePoint InterruptTimeSource::now() const {
    return TimePoint(std::chrono::duration_cast<TimePoint::duration>(interruptTime()));
}

std::chrono::nanoseconds InterruptTimeSource::sleptSoFar() const {
    // Both to the timer tick (about 15 ms), which is plenty for telling a sleep, and both on every
    // Windows and Wine: the milliseconds since start with the sleep, the interrupt time without.
    // Only changes of the difference are read, so where their origins differ does not matter.
    ULONGLONG awakeUnits = 0;
    QueryUnbiasedInterruptTime(&awakeUnits);
    const auto total = std::chrono::milliseconds(static_cast<long long>(GetTickCount64()));
    const auto awake = Ticks(static_cast<long long>(awakeUnits));
    return std::chrono::duration_cast<std::chrono::nanoseconds>(total - awake);
}

} // namespace aerolap
