#include "DrawFromCsv.h"

#include "CsvReader.h"

#include <array>
#include <map>
#include <stdexcept>

namespace aerolap {

namespace {

struct BadLine : std::runtime_error {
    BadLine(int where, const std::string& what) : std::runtime_error(what), line(where) {}
    int line;
};

enum Column { Round, Group, Pilot, Team, ColumnCount };
constexpr std::array<const char*, ColumnCount> kColumnNames{"round", "group", "pilot", "team"};

/// Where each known column is in the header.
std::array<int, ColumnCount> columnsOf(const CsvRow& header) {
    std::array<int, ColumnCount> at{-1, -1, -1, -1};
    for (std::size_t index = 0; index < header.fields.size(); ++index) {
        const QString name = header.fields[index].trimmed().toLower();
        const auto known =
            std::ranges::find_if(kColumnNames, [&](const char* each) { return name == each; });
        if (known == kColumnNames.end()) {
            throw BadLine(header.line, "unknown column \"" + header.fields[index].toStdString() +
                                           "\" (the columns are round, group, pilot and team)");
        }
        int& column = at[static_cast<std::size_t>(known - kColumnNames.begin())];
        if (column >= 0) {
            throw BadLine(header.line, "the column \"" + name.toStdString() + "\" is there twice");
        }
        column = static_cast<int>(index);
    }
    for (const Column needed : {Round, Group, Pilot}) {
        if (at[needed] < 0) {
            throw BadLine(header.line,
                          std::string("the column \"") + kColumnNames[needed] + "\" is missing");
        }
    }
    return at;
}

int numberIn(const CsvRow& row, int column, const char* what) {
    const QString text = row.fields[static_cast<std::size_t>(column)].trimmed();
    bool whole = false;
    const int number = text.toInt(&whole);
    if (!whole || number < 1) {
        throw BadLine(row.line, std::string("the ") + what + " \"" + text.toStdString() +
                                    "\" is not a whole number from 1");
    }
    return number;
}

class DrawBuilder {
public:
    explicit DrawBuilder(const std::vector<int>& groupsPerRound) : m_groups(groupsPerRound) {}

    void add(const CsvRow& row, const std::array<int, ColumnCount>& at) {
        const int round = numberIn(row, at[Round], "round");
        const int group = numberIn(row, at[Group], "group");
        const std::string name =
            row.fields[static_cast<std::size_t>(at[Pilot])].trimmed().toStdString();
        const std::string team =
            at[Team] < 0 ? std::string()
                         : row.fields[static_cast<std::size_t>(at[Team])].trimmed().toStdString();
        if (round > std::ssize(m_groups)) {
            throw BadLine(row.line, "round " + std::to_string(round) +
                                        " is not in the schedule, which has " +
                                        std::to_string(m_groups.size()) + " rounds");
        }
        const int groups = m_groups[static_cast<std::size_t>(round - 1)];
        if (group > groups) {
            throw BadLine(row.line, "round " + std::to_string(round) + " has no group " +
                                        std::to_string(group) + " in the schedule, only " +
                                        std::to_string(groups));
        }
        if (name.empty()) {
            throw BadLine(row.line, "no pilot named");
        }
        const int pilot = pilotOf(name, team, row.line);
        const auto [earlier, added] = m_seen.try_emplace({round, pilot}, row.line);
        if (!added) {
            throw BadLine(row.line, "pilot \"" + name + "\" is in round " + std::to_string(round) +
                                        " twice (also on line " + std::to_string(earlier->second) +
                                        ")");
        }
        DrawnRound& drawn = m_draw.rounds[static_cast<std::size_t>(round - 1)];
        if (drawn.empty()) {
            drawn.resize(static_cast<std::size_t>(groups));
            m_firstLine[round - 1] = row.line;
        }
        drawn[static_cast<std::size_t>(group - 1)].push_back(pilot);
    }

    Draw finish() {
        for (std::size_t round = 0; round < m_draw.rounds.size(); ++round) {
            const DrawnRound& groups = m_draw.rounds[round];
            for (std::size_t group = 0; group < groups.size(); ++group) {
                if (groups[group].empty()) {
                    throw BadLine(m_firstLine[static_cast<int>(round)],
                                  "group " + std::to_string(group + 1) + " of round " +
                                      std::to_string(round + 1) + " has nobody");
                }
            }
        }
        if (m_draw.pilots.empty()) {
            throw BadLine(1, "has no pilots under its header");
        }
        return std::move(m_draw);
    }

private:
    int pilotOf(const std::string& name, const std::string& team, int line) {
        if (const auto known = pilotIndex(m_draw, name)) {
            const DrawPilot& pilot = m_draw.pilots[static_cast<std::size_t>(*known)];
            if (pilot.team != team) {
                throw BadLine(line, "pilot \"" + name + "\" is in team \"" + team +
                                        "\" here and in team \"" + pilot.team + "\" on line " +
                                        std::to_string(m_teamLine[*known]));
            }
            return *known;
        }
        m_draw.pilots.push_back({name, team, std::nullopt});
        const int index = static_cast<int>(m_draw.pilots.size()) - 1;
        m_teamLine[index] = line;
        return index;
    }

    const std::vector<int>& m_groups;
    Draw m_draw{{}, std::vector<DrawnRound>(m_groups.size()), std::nullopt, {}};
    std::map<std::pair<int, int>, int> m_seen;
    std::map<int, int> m_firstLine;
    std::map<int, int> m_teamLine;
};

} // namespace

ImportedDraw drawFromCsv(const QByteArray& bytes, const std::string& source,
                         const std::vector<int>& groupsPerRound) {
    try {
        auto read = readCsv(bytes);
        if (const auto* fault = std::get_if<CsvFault>(&read)) {
            throw BadLine(fault->line, fault->what);
        }
        const CsvTable& table = std::get<CsvTable>(read);
        const auto at = columnsOf(table.header);
        DrawBuilder builder(groupsPerRound);
        for (const CsvRow& row : table.rows) {
            builder.add(row, at);
        }
        return {builder.finish(), {}};
    } catch (const BadLine& bad) {
        return {std::nullopt, source + ", line " + std::to_string(bad.line) + ": " + bad.what()};
    }
}

} // namespace aerolap
