#pragma once

#include "DayReport.h"

#include <chrono>
#include <string>

namespace aerolap {

/// A cue later than this after its second is flagged, unless the director asks otherwise.
inline constexpr auto kDefaultLateCue = std::chrono::milliseconds(20);

/// The report as plain text, for the terminal: each cycle with its verdict in one line, its
/// phases, every cue with its lateness (flagging those later than `late`, and the missing ones),
/// every frame (flagging those the port did not take), the gaps; then what the log itself lacks.
/// `title` heads it, with the log it was read from (`source`) on a line of its own.
std::string dayReportText(const DayReport& report, std::chrono::milliseconds late,
                          const std::string& title, const std::string& source);

/// The same as one self-contained HTML page (no script, nothing fetched) with a timeline per
/// cycle and tables with headings, readable on a phone and printable.
std::string dayReportHtml(const DayReport& report, std::chrono::milliseconds late,
                          const std::string& title, const std::string& source);

} // namespace aerolap
