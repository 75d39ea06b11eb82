#pragma once

#include "VisibleElement.h"

#include <string>
#include <utility>
#include <vector>

namespace aerolap {

class OptionGroup;

/// An option button of an exclusive group. Selecting it deselects the others of its group and
/// raises `clicked`; selecting the one already selected raises nothing.
class OptionButton final : public VisibleElement {
public:
    explicit OptionButton(std::string caption)
        : VisibleElement(true), m_caption(std::move(caption)) {}

    const std::string& caption() const { return m_caption; }
    bool selected() const { return m_selected; }
    void select();

    Signal<> clicked;
    Signal<bool> selectionChanged;

private:
    friend class OptionGroup;
    void setSelected(bool selected);

    std::string m_caption;
    bool m_selected = false;
    OptionGroup* m_group = nullptr;
};

/// The buttons that share one container and so exclude each other.
class OptionGroup {
public:
    void add(OptionButton& button);

private:
    friend class OptionButton;
    void deselectAllBut(const OptionButton& keep);

    std::vector<OptionButton*> m_buttons;
};

} // namespace aerolap
