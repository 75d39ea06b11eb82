#pragma once

#include "schedule/Schedule.h"

#include <optional>
#include <string>

namespace aerolap {

/// Writes the schedule's draw to `path` as an A4 PDF to pin up by the timing table: the contest's
/// name and date over one table per round with a column per group, and on the last page an index
/// of each pilot's rounds and groups. Returns the message when it could not.
std::optional<std::string> writeDrawPdf(const Schedule& schedule, const std::string& path);

} // namespace aerolap
