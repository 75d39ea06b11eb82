#include "CompetingLoad.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace aerolap::testing {

namespace {

using namespace std::chrono_literals;

/// In a child: gone with the benchmark should it crash, its output out of the benchmark's.
void detachFromBenchmark() {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    const int null = ::open("/dev/null", O_RDWR);
    ::dup2(null, STDIN_FILENO);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
}

[[noreturn]] void spin() {
    volatile unsigned long long turns = 0;
    while (true) {
        turns = turns + 1;
    }
}

/// Waits for `process` to end, up to `limit`, leaving it to be reaped.
void waitForEnd(pid_t process, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    siginfo_t ended{};
    while (::waitid(P_PID, static_cast<id_t>(process), &ended, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           ended.si_pid == 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(20ms);
    }
}

} // namespace

void CompetingLoad::start(int spinners, const std::string& command) {
    for (int spinner = 0; spinner < spinners; ++spinner) {
        const pid_t child = ::fork();
        if (child == 0) {
            detachFromBenchmark();
            spin();
        }
        if (child > 0) {
            m_spinners.push_back(child);
        }
    }
    if (command.empty()) {
        return;
    }
    m_command = ::fork();
    if (m_command == 0) {
        // A group of its own, so that the build's compilers end with it.
        ::setpgid(0, 0);
        detachFromBenchmark();
        ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    if (m_command > 0) {
        ::setpgid(m_command, m_command); // either side may get there first
    }
}

void CompetingLoad::stop() {
    for (const pid_t spinner : m_spinners) {
        ::kill(spinner, SIGKILL);
        ::waitpid(spinner, nullptr, 0);
    }
    m_spinners.clear();
    if (m_command > 0) {
        ::kill(-m_command, SIGTERM);
        waitForEnd(m_command, 5s);
        // Whatever of the group is left; the shell, not yet reaped, keeps the group's id ours.
        ::kill(-m_command, SIGKILL);
        ::waitpid(m_command, nullptr, 0);
    }
    m_command = -1;
}

std::string loadAverages() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

bool LoadOptions::take(std::string_view name, const char* value) {
    if (name == "--busy") {
        busy = std::max(std::atoi(value), 0);
    } else if (name == "--beside") {
        beside = value;
    } else {
        return false;
    }
    return true;
}

std::string LoadOptions::described() const {
    std::string what = std::to_string(busy) + " spinning processes";
    if (!beside.empty()) {
        what += ", and: " + beside;
    }
    return what + " (load averages " + loadAverages() + ")";
}

} // namespace aerolap::testing
