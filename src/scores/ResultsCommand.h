#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace aerolap {

/// What `--results` asks for.
struct ResultsRequest {
    std::string schedule;
    /// The scores file named with --scores; else the one beside the schedule.
    std::optional<std::string> scoresFile;
    /// Writes the export there as well (--results-csv).
    std::optional<std::string> csvFile;
};

/// Prints the standings of the schedule's scores to `out`, and writes the export when asked,
/// without a window and without changing either file. Says on `errors` what went wrong; returns
/// the exit status: 0, or 1 when a file cannot be read or the export cannot be written.
int runResults(const ResultsRequest& request, std::ostream& out, std::ostream& errors);

} // namespace aerolap
