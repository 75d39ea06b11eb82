#include "DisplayStateJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace aerolap {

namespace {

QJsonArray namesJson(const std::vector<std::string>& names) {
    QJsonArray list;
    for (const std::string& name : names) {
        list.append(QString::fromStdString(name));
    }
    return list;
}

} // namespace

QByteArray displayStateJson(const DisplayState& state) {
    QJsonObject object{
        {QStringLiteral("time"), QString::fromStdString(state.time)},
        {QStringLiteral("status"), QString::fromStdString(state.status)},
        {QStringLiteral("phase"), QString::fromLatin1(phaseName(state.phase))},
    };
    if (const auto& cycle = state.schedule) {
        object.insert(QStringLiteral("round"), cycle->round);
        object.insert(QStringLiteral("group"), cycle->group);
        object.insert(QStringLiteral("flight"), cycle->flight);
        object.insert(QStringLiteral("task"), QString::fromStdString(cycle->task));
        object.insert(QStringLiteral("window"), QString::fromStdString(cycle->window));
        object.insert(QStringLiteral("next"), QString::fromStdString(cycle->next));
        if (cycle->drawVersion > 0) {
            object.insert(QStringLiteral("draw"), cycle->drawVersion);
            object.insert(QStringLiteral("pilots"), namesJson(cycle->pilots));
            object.insert(QStringLiteral("on_deck"), namesJson(cycle->onDeck));
            if (cycle->onDeckCycle) {
                object.insert(QStringLiteral("on_deck_cycle"), *cycle->onDeckCycle);
            }
            if (cycle->startIn) {
                object.insert(QStringLiteral("start_in"), *cycle->startIn);
                object.insert(QStringLiteral("start_cycle"), cycle->startCycle);
            }
        }
    }
    if (state.resultsVersion > 0) {
        object.insert(QStringLiteral("results"), state.resultsVersion);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray drawDocumentJson(const std::optional<DrawDocument>& document) {
    if (!document) {
        return QByteArrayLiteral("{\"version\":0}");
    }
    QJsonArray rounds;
    for (const auto& groups : document->rounds) {
        QJsonArray round;
        for (const auto& group : groups) {
            round.append(namesJson(group));
        }
        rounds.append(round);
    }
    QJsonArray cycles;
    for (const CycleLength& cycle : document->cycles) {
        cycles.append(QJsonArray{cycle.round, cycle.group, cycle.flight, cycle.seconds});
    }
    return QJsonDocument(
               QJsonObject{{QStringLiteral("version"), document->version},
                           {QStringLiteral("name"), QString::fromStdString(document->name)},
                           {QStringLiteral("date"), QString::fromStdString(document->date)},
                           {QStringLiteral("pilots"), namesJson(document->pilots)},
                           {QStringLiteral("rounds"), rounds},
                           {QStringLiteral("cycles"), cycles}})
        .toJson(QJsonDocument::Compact);
}

} // namespace aerolap
