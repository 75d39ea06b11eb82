#pragma once

#include "VisibleElement.h"

#include <string>
#include <utility>

namespace aerolap {

/// A top-level window: its title and whether it is shown.
class Window final : public VisibleElement {
public:
    Window(std::string title, bool visible) : VisibleElement(visible), m_title(std::move(title)) {}

    const std::string& title() const { return m_title; }
    void setTitle(const std::string& title) { storeAndRaise(m_title, title, titleChanged); }

    Signal<> titleChanged;

private:
    std::string m_title;
};

} // namespace aerolap
