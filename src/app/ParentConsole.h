#pragma once

namespace aerolap {

/// Makes the program's standard output and error reach the console it was started from, where
/// the system does not do so by itself for a windowed program (Windows). Leaves output that was
/// redirected to a file or a pipe where it goes.
void useParentConsole();

} // namespace aerolap
