#pragma once

#include "ScoreSheet.h"

#include <QByteArray>
#include <string>
#include <variant>

namespace aerolap {

/// The scores file's format, written in it as "format" and "version": a program reads the
/// versions up to its own and names a newer one rather than guess at it.
inline constexpr const char* kScoresFormat = "aerolap-scores";
inline constexpr int kScoresVersion = 2;

/// The sheet as the scores file keeps it, JSON:
/// {"format": "aerolap-scores", "version": 1,
///  "rules": {"dropped_rounds": [{"from_rounds": 5, "dropped": 1}, ...], "minimum_rounds": 3,
///            "penalty_limit": 300, "reflight": "reflown_pilot_takes_reflight", ...},
///  "rounds": [[{"confirmed": true, "cards": [{"pilot": "Anna", "flights": [{"seconds": 179}],
///                                            "penalty": 100, "mark": "unsigned"}]}, ...], ...]}
/// Every rule is written, so that the file shows the rules it is scored under.
QByteArray scoreSheetJson(const ScoreSheet& sheet);

/// Reads a scores file strictly: a field it does not know, or a value out of its range, is a
/// fault, named with where it is ("round 2, group 1, card of Anna, flight 3, seconds: must be a
/// whole number from 0 to 86400"), and nothing of the file is taken.
std::variant<ScoreSheet, std::string> scoreSheetFromJson(const QByteArray& bytes);

} // namespace aerolap
