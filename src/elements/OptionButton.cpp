#include "OptionButton.h"

namespace aerolap {

void OptionButton::select() {
    if (m_selected) {
        return;
    }
    if (m_group != nullptr) {
        m_group->deselectAllBut(*this);
    }
    setSelected(true);
    clicked.emit();
}

void OptionButton::setSelected(bool selected) {
    storeAndRaise(m_selected, selected, selectionChanged, selected);
}

void OptionGroup::add(OptionButton& button) {
    button.m_group = this;
    m_buttons.push_back(&button);
}

void OptionGroup::deselectAllBut(const OptionButton& keep) {
    for (OptionButton* button : m_buttons) {
        if (button != &keep) {
            button->setSelected(false);
        }
    }
}

} // namespace aerolap
