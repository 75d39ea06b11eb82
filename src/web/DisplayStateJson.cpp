#include "DisplayStateJson.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace aerolap {

QByteArray displayStateJson(const DisplayState& state) {
    const std::string_view phase = phaseName(state.phase);
    QJsonObject object{
        {QStringLiteral("time"), QString::fromStdString(state.time)},
        {QStringLiteral("status"), QString::fromStdString(state.status)},
        {QStringLiteral("phase"),
         QString::fromLatin1(phase.data(), static_cast<qsizetype>(phase.size()))},
    };
    if (const auto& cycle = state.schedule) {
        object.insert(QStringLiteral("round"), cycle->round);
        object.insert(QStringLiteral("group"), cycle->group);
        object.insert(QStringLiteral("flight"), cycle->flight);
        object.insert(QStringLiteral("task"), QString::fromStdString(cycle->task));
        object.insert(QStringLiteral("window"), QString::fromStdString(cycle->window));
        object.insert(QStringLiteral("next"), QString::fromStdString(cycle->next));
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace aerolap
