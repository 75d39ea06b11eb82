#include "ScheduleDraw.h"

#include "draw/DrawFromCsv.h"
#include "files/SmallFileRead.h"

namespace aerolap {

namespace {
constexpr qint64 kLargestDrawFile = 1024 * 1024;
} // namespace

Schedule withDraw(Schedule schedule, Draw draw) {
    for (std::size_t round = 0; round < draw.rounds.size() && round < schedule.rounds.size();
         ++round) {
        if (!draw.rounds[round].empty()) {
            schedule.rounds[round].groups = static_cast<int>(draw.rounds[round].size());
        }
    }
    schedule.draw = std::move(draw);
    return schedule;
}

LoadedSchedule withImportedDraw(Schedule schedule, const std::string& path) {
    const std::string where = "Draw " + path;
    auto read = readSmallFile(path, kLargestDrawFile);
    if (const auto* problem = std::get_if<std::string>(&read)) {
        return {std::nullopt, where + ": " + *problem};
    }
    ImportedDraw imported =
        drawFromCsv(std::get<QByteArray>(read), where, groupsPerRound(schedule));
    if (!imported.draw) {
        return {std::nullopt, imported.error};
    }
    return {withDraw(std::move(schedule), std::move(*imported.draw)), {}};
}

} // namespace aerolap
