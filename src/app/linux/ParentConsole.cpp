#include "app/ParentConsole.h"

namespace aerolap {

// A program started from a terminal writes to it already.
void useParentConsole() {}

} // namespace aerolap
