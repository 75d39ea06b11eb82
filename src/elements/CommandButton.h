#pragma once

#include "VisibleElement.h"

#include <string>
#include <utility>

namespace aerolap {

/// A push button. The view calls `click()` when the operator presses it; code may call it too.
class CommandButton final : public VisibleElement {
public:
    explicit CommandButton(std::string caption, bool visible = true)
        : VisibleElement(visible), m_caption(std::move(caption)) {}

    const std::string& caption() const { return m_caption; }
    void setCaption(const std::string& caption) {
        storeAndRaise(m_caption, caption, captionChanged);
    }

    void click() { clicked.emit(); }

    Signal<> clicked;
    Signal<> captionChanged;

private:
    std::string m_caption;
};

} // namespace aerolap
