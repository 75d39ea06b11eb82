#pragma once

#include "ProgramExit.h"

namespace aerolap {

/// Ends the process on the spot with exit status 0, each system in its own way. Leaving through the event loop instead
/// would let ticks and clicks already queued run their handlers on the way out, and the
/// windows' destructors run as well; the caller has already closed what must be closed.
class ImmediateProgramExit final : public ProgramExit {
public:
    [[noreturn]] void exitNow() override;
};

} // namespace aerolap
