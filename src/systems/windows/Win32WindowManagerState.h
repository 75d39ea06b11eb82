#pragma once

#include "platform/WindowStacking.h"

#include <functional>
#include <utility>

namespace aerolap {

/// Stacking of one top-level window under Windows. The native handle is asked for at every
/// call, since the window system may re-create the window. Before a window is attached every
/// call does nothing.
class Win32WindowManagerState final : public WindowStacking {
public:
    /// `nativeWindow` returns the window's HWND.
    void attachTo(std::function<void*()> nativeWindow) { m_nativeWindow = std::move(nativeWindow); }

    void setTopmost(bool topmost) override;

private:
    std::function<void*()> m_nativeWindow;
};

} // namespace aerolap
