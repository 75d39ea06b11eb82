#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace aerolap {

/// What `--day-report` asks for.
struct DayReportRequest {
    /// "YYYY-MM-DD"; today when empty.
    std::optional<std::string> date;
    /// Writes the HTML page there instead of printing the text.
    std::optional<std::string> htmlFile;
    std::chrono::milliseconds late{20};
};

/// The day log of the day `request` names in `folder`, read back: printed to `out`, or written as
/// a page. Says on `errors` what went wrong; returns the exit status (0, or 1 when the log cannot
/// be read or the page cannot be written).
int runDayReport(const std::filesystem::path& folder, const DayReportRequest& request,
                 std::ostream& out, std::ostream& errors);

/// The report of today's log in `folder` as an HTML page: what the window's "Day log" shows.
std::string todaysReportHtml(const std::filesystem::path& folder);

} // namespace aerolap
