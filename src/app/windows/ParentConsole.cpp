#include "app/ParentConsole.h"

#include <cstdio>
#include <windows.h>

namespace aerolap {
namespace {

/// A stream with no handle behind it, the lot of a windowed program's streams unless redirected.
bool unconnected(DWORD stream) {
    const HANDLE handle = GetStdHandle(stream);
    return handle == nullptr || handle == INVALID_HANDLE_VALUE;
}

} // namespace

void useParentConsole() {
    const bool output = unconnected(STD_OUTPUT_HANDLE);
    const bool error = unconnected(STD_ERROR_HANDLE);
    if ((!output && !error) || !AttachConsole(ATTACH_PARENT_PROCESS)) {
        return;
    }
    if (output) {
        static_cast<void>(std::freopen("CONOUT$", "w", stdout));
    }
    if (error) {
        static_cast<void>(std::freopen("CONOUT$", "w", stderr));
    }
}

} // namespace aerolap
