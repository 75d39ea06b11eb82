#pragma once

#include "Signal.h"

namespace aerolap {

/// Common part of every window element that can be shown and hidden. Buttons are made available
/// by showing and hiding them, never by disabling them.
class VisibleElement {
public:
    explicit VisibleElement(bool visible) : m_visible(visible) {}
    virtual ~VisibleElement() = default;
    VisibleElement(const VisibleElement&) = delete;
    VisibleElement& operator=(const VisibleElement&) = delete;

    bool visible() const { return m_visible; }
    void setVisible(bool visible) { storeAndRaise(m_visible, visible, visibilityChanged, visible); }

    Signal<bool> visibilityChanged;

private:
    bool m_visible;
};

} // namespace aerolap
