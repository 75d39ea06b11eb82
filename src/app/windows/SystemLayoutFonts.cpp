#include "app/SystemLayoutFonts.h"

namespace aerolap {

LayoutFonts systemLayoutFonts() {
    // MS Sans Serif is a bitmap font that Qt does not draw; Microsoft Sans Serif is its outline
    // twin.
    return {QStringLiteral("Arial"), QStringLiteral("Microsoft Sans Serif")};
}

} // namespace aerolap
