#include "DirectorStateJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace aerolap {

namespace {
QString text(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}
} // namespace

QByteArray directorStateJson(const CycleSnapshot& cycle, const Schedule* schedule) {
    QJsonObject state{{"phase", text(phaseName(cycle.phase))},
                      {"task", text(taskCaption(cycle.settings.task))},
                      {"preparation", QString::fromStdString(cycle.settings.preparation)},
                      {"working", QString::fromStdString(cycle.settings.working)}};
    if (const auto& place = cycle.schedule; place && schedule != nullptr) {
        QJsonArray groups;
        for (const ScheduleRound& round : schedule->rounds) {
            groups.append(round.groups);
        }
        state.insert("schedule", QJsonObject{{"state", text(scheduleStateName(place->state))},
                                             {"round", place->round + 1},
                                             {"group", place->group + 1},
                                             {"groups", groups}});
    }
    return QJsonDocument(state).toJson(QJsonDocument::Compact);
}

} // namespace aerolap
