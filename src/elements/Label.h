#pragma once

#include "VisibleElement.h"

#include <string>
#include <utility>

namespace aerolap {

/// A text label. `changed` is the label's Change event: it is raised only when the caption
/// really changes, so the 10 ms polls that rewrite the same text cause nothing downstream.
class Label final : public VisibleElement {
public:
    explicit Label(std::string caption, bool visible = true)
        : VisibleElement(visible), m_caption(std::move(caption)) {}

    const std::string& caption() const { return m_caption; }
    void setCaption(const std::string& caption) { storeAndRaise(m_caption, caption, changed); }

    Signal<> changed;

private:
    std::string m_caption;
};

} // namespace aerolap
