#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace aerolap::testing {

/// Work that competes with the program for the processor while a benchmark measures it: processes
/// that spin, and a shell command such as a parallel build, each started here and ended by its own
/// process id (the command by its process group) when the load stops or goes.
class CompetingLoad {
public:
    CompetingLoad() = default;
    ~CompetingLoad() { stop(); }
    CompetingLoad(const CompetingLoad&) = delete;
    CompetingLoad& operator=(const CompetingLoad&) = delete;

    /// Starts `spinners` processes that spin, and `command` through the shell unless it is empty.
    void start(int spinners, const std::string& command);
    void stop();

private:
    std::vector<pid_t> m_spinners;
    pid_t m_command = -1;
};

/// The system's load averages over 1, 5 and 15 minutes, as `uptime` shows them.
std::string loadAverages();

/// A benchmark's competing load as its command line asks for it: `--busy N` spinning processes and
/// `--beside COMMAND`.
struct LoadOptions {
    int busy = 0;
    std::string beside;

    /// Takes the option `name` with its `value` when it is one of the two; says whether it was.
    bool take(std::string_view name, const char* value);
    /// What competes, in words, with the load averages now.
    std::string described() const;
};

} // namespace aerolap::testing
