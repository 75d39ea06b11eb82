#pragma once

#include "ui/widgets/LayoutFonts.h"

namespace aerolap {

/// The system's families for the fonts the windows were laid out in. The build compiles one
/// implementation, from the folder named for the system beside this file.
LayoutFonts systemLayoutFonts();

} // namespace aerolap
