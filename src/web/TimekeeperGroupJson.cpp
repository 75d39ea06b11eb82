#include "TimekeeperGroupJson.h"

#include "platform/NameTable.h"
#include "scoring/ScoreText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace aerolap {

namespace {

/// The landing window the main window times after every working time.
constexpr int kLandingWindowSeconds = 30;

constexpr NameTable<Counting, 6> kCountings{{
    {Counting::LastFlights, "last"},
    {Counting::LongestFlights, "longest"},
    {Counting::EveryFlight, "every"},
    {Counting::BestTargetMatch, "targets"},
    {Counting::Ladder, "ladder"},
    {Counting::Poker, "poker"},
}};

std::string timesText(const std::vector<int>& targets) {
    std::string text;
    for (const int target : targets) {
        text += (text.empty() ? "" : ", ") + shownTime(target);
    }
    return text;
}

/// The rule in a sentence, as a timekeeper says it.
std::string ruleText(const RoundRules& rules) {
    const std::string n = std::to_string(rules.counted);
    const bool one = rules.counted == 1;
    std::string text;
    switch (rules.counting) {
    case Counting::LastFlights:
        text = one ? "The last flight counts" : "The last " + n + " flights count";
        break;
    case Counting::LongestFlights:
        text = one ? "The longest flight counts" : "The " + n + " longest flights count";
        break;
    case Counting::EveryFlight:
        text = "Every flight counts";
        break;
    case Counting::BestTargetMatch:
        text = "The longest flights count against the targets " + timesText(rules.targets);
        break;
    case Counting::Ladder:
        text = "Flights count in order against the targets " + timesText(rules.targets);
        break;
    case Counting::Poker:
        text = "Each flight counts against the target the pilot names before it";
        break;
    }
    if (rules.cap) {
        text += ", each at most " + shownTime(*rules.cap);
    }
    text += ".";
    if (rules.launches) {
        text += " At most " + std::to_string(*rules.launches) +
                (*rules.launches == 1 ? " flight." : " flights.");
    }
    return text;
}

QJsonValue orNull(const std::optional<int>& value) {
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

} // namespace

QByteArray timekeeperGroupJson(ScoresSession& scores, const ScheduleRunner& runner,
                               const TimekeeperDesk& desk) {
    const SchedulePosition here = runner.position();
    const auto& contest = scores.contest();
    const auto r = static_cast<std::size_t>(here.round);
    if (!runner.loaded() || !runner.schedule().draw || r >= contest.contest.rounds.size() ||
        !contest.scorable[r]) {
        return QByteArrayLiteral("{}");
    }
    const RoundRules& rules = contest.contest.rounds[r].rules;
    const auto timekeepers = desk.timekeepersOf(here.round, here.group);
    QJsonArray pilots;
    for (const int pilot : scores.pilotsOf({here.round, here.group})) {
        const std::string& name = contest.pilots[static_cast<std::size_t>(pilot)].name;
        const auto timekeeper = timekeepers.find(name);
        pilots.append(QJsonObject{
            {QStringLiteral("name"), QString::fromStdString(name)},
            {QStringLiteral("timekeeper"), timekeeper == timekeepers.end()
                                               ? QJsonValue(QJsonValue::Null)
                                               : QString::fromStdString(timekeeper->second)}});
    }
    QJsonArray targets;
    for (const int target : rules.targets) {
        targets.append(target);
    }
    const GroupSheet* sheet = scores.sheet().find(here.round, here.group);
    return QJsonDocument(
               QJsonObject{{QStringLiteral("round"), here.round + 1},
                           {QStringLiteral("group"), here.group + 1},
                           {QStringLiteral("task"), QString(QChar::fromLatin1(rules.task))},
                           {QStringLiteral("rule"), QString::fromStdString(ruleText(rules))},
                           {QStringLiteral("counting"),
                            QString::fromLatin1(nameOf(kCountings, rules.counting))},
                           {QStringLiteral("counted"), rules.counted},
                           {QStringLiteral("launches"), orNull(rules.launches)},
                           {QStringLiteral("cap"), orNull(rules.cap)},
                           {QStringLiteral("targets"), targets},
                           {QStringLiteral("working"), rules.workingTime},
                           {QStringLiteral("landing"), kLandingWindowSeconds},
                           {QStringLiteral("pilots"), pilots},
                           {QStringLiteral("confirmed"), sheet != nullptr && sheet->confirmed}})
        .toJson(QJsonDocument::Compact);
}

} // namespace aerolap
