#pragma once

#include <string>

namespace aerolap {

/// Starts another program by its path in a normal window that receives the focus, and does not
/// wait for it.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    /// False when the program could not be started; an empty path never starts.
    virtual bool start(const std::string& path) = 0;
};

} // namespace aerolap
