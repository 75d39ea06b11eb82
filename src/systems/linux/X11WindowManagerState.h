#pragma once

#include "platform/WindowStacking.h"

#include <string_view>

class QWidget;

namespace aerolap {

/// The window manager's state flags (`_NET_WM_STATE`) of one top-level widget under X11: keep
/// above, and out of the taskbar. The flags are changed in place on the existing X window; Qt's
/// own stays-on-top flag would re-create the window and lose what was set on the old one.
/// Where Qt does not run on X11, or before a window is attached, every call does nothing.
class X11WindowManagerState final : public WindowStacking {
public:
    X11WindowManagerState() = default;
    explicit X11WindowManagerState(QWidget& window) : m_window(&window) {}

    /// For a window created after the handlers that restack it.
    void attachTo(QWidget& window) { m_window = &window; }

    void setTopmost(bool topmost) override;
    /// Works before the window is first shown as well as afterwards.
    void keepOutOfTaskbar();

private:
    void setStateFlag(std::string_view flag, bool on);

    QWidget* m_window = nullptr;
};

} // namespace aerolap
