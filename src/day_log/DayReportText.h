#pragma once

#include "DayReport.h"

#include <chrono>
#include <string>

namespace aerolap {

/// A cue later than this after its second is flagged, unless the director asks otherwise.
inline constexpr auto kDefaultLateCue = std::chrono::milliseconds(20);

/// The report as plain text, for the terminal: each cycle, its phases, every cue with its
/// lateness (flagging those later than `late`, and the missing ones), the frames the port did
/// not take, the gaps; then what the log itself lacks. `title` heads it.
std::string dayReportText(const DayReport& report, std::chrono::milliseconds late,
                          const std::string& title);

/// The same as one self-contained HTML page (no script, nothing fetched) with a timeline per
/// cycle, readable on a phone and printable.
std::string dayReportHtml(const DayReport& report, std::chrono::milliseconds late,
                          const std::string& title);

} // namespace aerolap
