#include "DisplayStateJson.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace aerolap {

QByteArray displayStateJson(const DisplayState& state) {
    const std::string_view phase = phaseName(state.phase);
    const QJsonObject object{
        {QStringLiteral("time"), QString::fromStdString(state.time)},
        {QStringLiteral("status"), QString::fromStdString(state.status)},
        {QStringLiteral("phase"),
         QString::fromLatin1(phase.data(), static_cast<qsizetype>(phase.size()))},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace aerolap
