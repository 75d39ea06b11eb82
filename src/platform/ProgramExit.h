#pragma once

namespace aerolap {

/// Ends the program at once: no handler of any window runs after it.
class ProgramExit {
public:
    virtual ~ProgramExit() = default;
    virtual void exitNow() = 0;
};

} // namespace aerolap
