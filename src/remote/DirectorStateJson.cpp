#include "DirectorStateJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace aerolap {

QByteArray directorStateJson(const CycleSnapshot& cycle, const Schedule* schedule) {
    QJsonObject state{{"phase", QString::fromUtf8(phaseName(cycle.phase))},
                      {"task", QString::fromUtf8(taskCaption(cycle.settings.task))},
                      {"preparation", QString::fromStdString(cycle.settings.preparation)},
                      {"working", QString::fromStdString(cycle.settings.working)}};
    if (const auto& place = cycle.schedule; place && schedule != nullptr) {
        QJsonArray groups;
        for (const ScheduleRound& round : schedule->rounds) {
            groups.append(round.groups);
        }
        state.insert("schedule",
                     QJsonObject{{"state", QString::fromUtf8(scheduleStateName(place->state))},
                                 {"round", place->round + 1},
                                 {"group", place->group + 1},
                                 {"groups", groups}});
    }
    return QJsonDocument(state).toJson(QJsonDocument::Compact);
}

} // namespace aerolap
