#include "platform/ImmediateProgramExit.h"

#include <cstdio>
#include <cstdlib>

namespace aerolap {

void ImmediateProgramExit::exitNow() {
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

} // namespace aerolap
