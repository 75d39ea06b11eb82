#include "RealTimeSafetyNet.h"

#include <array>
#include <atomic>
#include <csignal>
#include <mutex>
#include <sched.h>

namespace aerolap {

namespace {

// Read by the signal handler, which can reach nothing else: a fixed table of lock-free slots.
std::array<std::atomic<pid_t>, 16> g_realTimeThreads{};

extern "C" void backToOrdinaryScheduling(int /*signal*/) {
    const sched_param ordinary{};
    for (const std::atomic<pid_t>& thread : g_realTimeThreads) {
        if (const pid_t id = thread.load(); id != 0) {
            ::sched_setscheduler(id, SCHED_OTHER, &ordinary);
        }
    }
}

} // namespace

void catchRunawayRealTime(pid_t thread) {
    static std::once_flag installed;
    std::call_once(installed, [] {
        struct sigaction action {};
        action.sa_handler = backToOrdinaryScheduling;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(SIGXCPU, &action, nullptr);
    });
    for (std::atomic<pid_t>& slot : g_realTimeThreads) {
        pid_t empty = 0;
        if (slot.compare_exchange_strong(empty, thread) || empty == thread) {
            return;
        }
    }
}

} // namespace aerolap
