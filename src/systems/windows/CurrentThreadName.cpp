#include "platform/CurrentThreadName.h"

#include <string>
#include <windows.h>

namespace aerolap {

void nameCurrentThread(const std::string& name) {
    // Windows 10 1607 and later name threads; the function is looked up, as older systems and
    // the cross-compiler's headers lack it.
    using SetThreadDescription = HRESULT(WINAPI*)(HANDLE, PCWSTR);
    const FARPROC found =
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "SetThreadDescription");
    if (found == nullptr) {
        return;
    }
    const std::wstring wide(name.begin(), name.end());
    reinterpret_cast<SetThreadDescription>(reinterpret_cast<void (*)()>(found))(
        ::GetCurrentThread(), wide.c_str());
}

} // namespace aerolap
