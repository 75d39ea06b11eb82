#pragma once

namespace aerolap {

/// Where one window stacks among all windows on the desktop. Restacking never moves or resizes
/// the window, and its outcome is not reported: a failed restack simply leaves things as they were.
class WindowStacking {
public:
    virtual ~WindowStacking() = default;
    /// Keeps the window above all others (true), also above another program's active window,
    /// or returns it to normal stacking (false).
    virtual void setTopmost(bool topmost) = 0;
};

} // namespace aerolap
