#include "platform/ImmediateProgramExit.h"

#include <cstdio>
#include <windows.h>

namespace aerolap {

void ImmediateProgramExit::exitNow() {
    std::fflush(nullptr);
    // Not ExitProcess, which runs every library's detach code while the sound, web and writing
    // threads are stopped wherever they stood, and can hang there (it does under Wine).
    TerminateProcess(GetCurrentProcess(), EXIT_SUCCESS);
    std::_Exit(EXIT_SUCCESS);
}

} // namespace aerolap
