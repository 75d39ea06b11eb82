#pragma once

#include "VisibleElement.h"

namespace aerolap {

/// A panel that groups other elements; only its visibility changes at run time.
class Frame final : public VisibleElement {
public:
    explicit Frame(bool visible) : VisibleElement(visible) {}
};

} // namespace aerolap
