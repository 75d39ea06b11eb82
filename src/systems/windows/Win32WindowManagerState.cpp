#include "Win32WindowManagerState.h"

#include <windows.h>

namespace aerolap {
namespace {

constexpr UINT kStackingOnly = SWP_NOSIZE | SWP_NOMOVE;

bool isTopmost(HWND window) {
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

} // namespace

void Win32WindowManagerState::setTopmost(bool topmost) {
    if (!m_nativeWindow) {
        return;
    }
    const auto window = static_cast<HWND>(m_nativeWindow());
    SetWindowPos(window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kStackingOnly);
    const HWND owner = GetWindow(window, GW_OWNER);
    if (topmost || !isTopmost(window) || owner == nullptr) {
        return;
    }
    // Wine keeps an owned window topmost however it is asked (Windows does not): let it go of
    // its owner for the change, then give the owner back and have the window's frame redone, so
    // that the window manager hears of the owner again (it keeps the window off the taskbar).
    SetWindowLongPtrA(window, GWLP_HWNDPARENT, 0);
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, kStackingOnly);
    SetWindowLongPtrA(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 kStackingOnly | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

} // namespace aerolap
