#pragma once

#include "ScheduleFile.h"
#include "draw/Draw.h"

#include <string>

namespace aerolap {

/// `schedule` with `draw` in it: each drawn round takes the draw's number of groups.
Schedule withDraw(Schedule schedule, Draw draw);

/// `schedule` with the draw read from the CSV file at `path` (see drawFromCsv), or the one
/// message that names the file, the line and the fault, the schedule left as it was. The file
/// must be a regular file of at most 1 MB.
LoadedSchedule withImportedDraw(Schedule schedule, const std::string& path);

} // namespace aerolap
