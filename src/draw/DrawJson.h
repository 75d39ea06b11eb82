#pragma once

#include "Draw.h"

#include <QJsonObject>
#include <string>
#include <variant>
#include <vector>

namespace aerolap {

/// The draw as the schedule file keeps it:
/// {"pilots": [{"name": "Anna", "team": "Club A", "withdrawn_from_round": 4}, ...],
///  "rounds": [[["Anna", "Bruno"], ["Carla", "Dario"]], [], ...],
///  "generated": {"seed": 7, "group_size": 8}, "reflight_groups": [0, 1]}: each round a list of
/// groups of names, empty for a round without a draw; "team", "withdrawn_from_round" (counted
/// from 1), "generated" (with "group_size" or "groups") and "reflight_groups" (how many groups at
/// the end of each round are re-flights, whose pilots flew in the round before) only where they
/// apply.
QJsonObject drawToJson(const Draw& draw);

/// A fault of the draw in a file: the field it is in and what is wrong.
struct DrawFieldFault {
    std::string field;
    std::string what;
};

/// Reads and checks the draw of a schedule whose rounds have `groupsPerRound` groups.
std::variant<Draw, DrawFieldFault> drawFromJson(const QJsonValue& value,
                                                const std::vector<int>& groupsPerRound);

} // namespace aerolap
