#pragma once

#include "VisibleElement.h"

#include <string>
#include <utility>

namespace aerolap {

/// A check box with the three values of its kind: 0 unchecked, 1 checked, 2 grey. Only 1 counts
/// as ticked. Every change of the value, by the operator or by code, raises `clicked`; writing
/// the value it already has raises nothing.
class CheckBox final : public VisibleElement {
public:
    static constexpr int kUnchecked = 0;
    static constexpr int kChecked = 1;
    static constexpr int kGrayed = 2;

    explicit CheckBox(std::string caption, bool enabled = true)
        : VisibleElement(true), m_caption(std::move(caption)), m_enabled(enabled) {}

    const std::string& caption() const { return m_caption; }
    bool enabled() const { return m_enabled; }

    int value() const { return m_value; }
    bool ticked() const { return m_value == kChecked; }
    void setValue(int value) { storeAndRaise(m_value, value, clicked); }

    Signal<> clicked;

private:
    std::string m_caption;
    bool m_enabled;
    int m_value = kUnchecked;
};

} // namespace aerolap
