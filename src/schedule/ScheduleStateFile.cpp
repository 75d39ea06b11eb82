#include "ScheduleStateFile.h"

#include "SmallFileRead.h"
#include "WholeFileSave.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace aerolap {

namespace {
// Counted from 1 in the file, as the director reads them.
constexpr const char* kCounts[] = {"round", "group", "flight"};
} // namespace

std::string stateFileOf(const std::string& schedulePath) {
    return schedulePath + ".state";
}

bool writeScheduleState(const std::string& schedulePath, const SavedPosition& saved) {
    const auto& [round, group, flight] = saved.position;
    const QJsonObject object{{QString::fromLatin1(kCounts[0]), round + 1},
                             {QString::fromLatin1(kCounts[1]), group + 1},
                             {QString::fromLatin1(kCounts[2]), flight + 1},
                             {QStringLiteral("running"), saved.running},
                             {QStringLiteral("finished"), saved.finished}};
    return !saveWholeFile(stateFileOf(schedulePath), QJsonDocument(object).toJson());
}

std::optional<SavedPosition> readScheduleState(const std::string& schedulePath) {
    const auto read = readSmallFile(stateFileOf(schedulePath), 4096);
    if (!std::holds_alternative<QByteArray>(read)) {
        return std::nullopt;
    }
    const QJsonObject object = QJsonDocument::fromJson(std::get<QByteArray>(read)).object();
    int counts[3] = {};
    for (std::size_t i = 0; i < std::size(kCounts); ++i) {
        counts[i] = object.value(QString::fromLatin1(kCounts[i])).toInt(0) - 1;
        if (counts[i] < 0) {
            return std::nullopt;
        }
    }
    return SavedPosition{{counts[0], counts[1], counts[2]},
                         object.value(QStringLiteral("running")).toBool(),
                         object.value(QStringLiteral("finished")).toBool()};
}

} // namespace aerolap
