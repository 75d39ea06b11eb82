#include "app/SystemLayoutFonts.h"

namespace aerolap {

LayoutFonts systemLayoutFonts() {
    // Liberation Sans has Arial's metrics, and it is also the nearer match in width for MS Sans
    // Serif, so every caption fits its element.
    return {QStringLiteral("Liberation Sans"), QStringLiteral("Liberation Sans")};
}

} // namespace aerolap
