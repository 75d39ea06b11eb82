#pragma once

#include "ScoreSheet.h"

#include <filesystem>
#include <string>
#include <variant>

namespace aerolap {

/// Where the scores of the schedule file `schedule` are kept unless the director names another
/// file: beside it, `day.json` keeping its scores in `day.scores.json`.
std::filesystem::path scoresFileOf(const std::filesystem::path& schedule);

/// The sheet in the scores file at `path`, or why it cannot be used ("does not exist", "is not
/// JSON (...)", "round 2, group 1, ...: ..."). Nothing is written, whatever the file holds.
std::variant<ScoreSheet, std::string> readScoresFile(const std::filesystem::path& path);

} // namespace aerolap
