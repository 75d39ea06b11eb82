#include "Win32WindowManagerState.h"

#include <windows.h>

namespace aerolap {
namespace {

HWND hiddenOwner() {
    // One invisible window for the whole program, created on first use and kept until exit.
    static const HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                              nullptr, GetModuleHandleA(nullptr), nullptr);
    return owner;
}

} // namespace

void Win32WindowManagerState::setTopmost(bool topmost) {
    if (!m_nativeWindow) {
        return;
    }
    const HWND insertAfter = topmost ? HWND_TOPMOST : HWND_NOTOPMOST;
    SetWindowPos(static_cast<HWND>(m_nativeWindow()), insertAfter, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE);
}

void Win32WindowManagerState::keepOutOfTaskbar() {
    if (!m_nativeWindow) {
        return;
    }
    SetWindowLongPtrA(static_cast<HWND>(m_nativeWindow()), GWLP_HWNDPARENT,
                      reinterpret_cast<LONG_PTR>(hiddenOwner()));
}

} // namespace aerolap
