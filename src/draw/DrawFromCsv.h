#pragma once

#include "Draw.h"

#include <QByteArray>
#include <optional>
#include <string>
#include <vector>

namespace aerolap {

/// A draw read from a table, or the one message that names the source, the line and the fault.
struct ImportedDraw {
    std::optional<Draw> draw;
    std::string error;
};

/// Reads a draw from CSV with the columns round, group and pilot, and optionally team, in any
/// order (see readCsv for what text it takes). `groupsPerRound` holds the number of groups of
/// each round of the schedule it is for: a round or group outside it is refused, and so is a
/// drawn round that leaves one of its groups empty. Rounds the table does not name stay undrawn.
ImportedDraw drawFromCsv(const QByteArray& bytes, const std::string& source,
                         const std::vector<int>& groupsPerRound);

} // namespace aerolap
