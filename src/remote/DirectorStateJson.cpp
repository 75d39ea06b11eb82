#include "DirectorStateJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace aerolap {

namespace {
QString selectedTask(const Form1& form) {
    for (const OptionButton* option :
         {&form.Option1, &form.Option2, &form.Option3, &form.Option4}) {
        if (option->selected()) {
            return QString::fromStdString(option->caption());
        }
    }
    return {};
}

QString stateName(ScheduleRunner::State state) {
    switch (state) {
    case ScheduleRunner::State::Waiting:
        return QStringLiteral("waiting");
    case ScheduleRunner::State::Running:
        return QStringLiteral("running");
    case ScheduleRunner::State::Gap:
        return QStringLiteral("gap");
    case ScheduleRunner::State::Paused:
        return QStringLiteral("paused");
    case ScheduleRunner::State::Finished:
        return QStringLiteral("finished");
    }
    return {};
}
} // namespace

QByteArray directorStateJson(const Form1& form, const ScheduleRunner& runner) {
    QJsonObject state{{"task", selectedTask(form)},
                      {"preparation", QString::fromStdString(form.Clock2.clockTimeText())},
                      {"working", QString::fromStdString(form.Clock3.clockTimeText())}};
    if (runner.loaded()) {
        QJsonArray groups;
        for (const ScheduleRound& round : runner.schedule().rounds) {
            groups.append(round.groups);
        }
        state.insert("schedule", QJsonObject{{"state", stateName(runner.state())},
                                             {"round", runner.position().round + 1},
                                             {"group", runner.position().group + 1},
                                             {"groups", groups}});
    }
    return QJsonDocument(state).toJson(QJsonDocument::Compact);
}

} // namespace aerolap
