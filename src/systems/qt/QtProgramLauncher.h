#pragma once

#include "platform/ProgramLauncher.h"

namespace aerolap {

/// Starts the program as a detached process, so it outlives this one and nothing waits for it.
class QtProgramLauncher final : public ProgramLauncher {
public:
    bool start(const std::string& path) override;
};

} // namespace aerolap
