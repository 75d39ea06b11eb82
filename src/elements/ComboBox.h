#pragma once

#include "VisibleElement.h"

#include <string>
#include <utility>
#include <vector>

namespace aerolap {

/// A drop-down list with an edit field. `clicked` is raised when the operator picks a list entry
/// (`choose`); typing or code changing the text raises only `textChanged`, for the view.
class ComboBox final : public VisibleElement {
public:
    ComboBox(std::vector<std::string> items, std::string text)
        : VisibleElement(true), m_items(std::move(items)), m_text(std::move(text)) {}

    const std::vector<std::string>& items() const { return m_items; }
    const std::string& text() const { return m_text; }
    void setText(const std::string& text) { storeAndRaise(m_text, text, textChanged); }

    /// The operator picked list entry `index`.
    void choose(std::size_t index) {
        if (index >= m_items.size()) {
            return;
        }
        setText(m_items[index]);
        clicked.emit();
    }

    Signal<> clicked;
    Signal<> textChanged;

private:
    std::vector<std::string> m_items;
    std::string m_text;
};

} // namespace aerolap
