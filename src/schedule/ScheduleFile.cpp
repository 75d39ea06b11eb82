#include "ScheduleFile.h"

#include "draw/DrawJson.h"
#include "elements/TimeText.h"
#include "files/SmallFileRead.h"
#include "files/WholeFileSave.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <ranges>
#include <stdexcept>

namespace aerolap {

namespace {

constexpr int kMostRounds = 99;
constexpr int kMostGroups = 99;
constexpr int kMostFlights = 9;
// Ninety-nine rounds written out at length take some 20 KB.
constexpr qint64 kLargestScheduleFile = 1024 * 1024;

/// A fault of one field, caught once for the whole file.
struct BadField : std::runtime_error {
    BadField(const std::string& field, const std::string& what)
        : std::runtime_error(field + ": " + what) {}
};

/// Takes the known fields out of one JSON object, checking each, and keeps the rest.
class FieldReader {
public:
    FieldReader(QJsonObject object, std::string prefix)
        : m_rest(std::move(object)), m_prefix(std::move(prefix)) {}

    std::optional<QJsonValue> take(const char* key) {
        const QJsonValue value = m_rest.take(QString::fromLatin1(key));
        return value.isUndefined() ? std::nullopt : std::optional(value);
    }

    std::string field(const char* key) const { return m_prefix + key; }

    std::optional<std::string> text(const char* key) {
        const auto value = take(key);
        if (!value) {
            return std::nullopt;
        }
        if (!value->isString()) {
            throw BadField(field(key), "must be a text in quotes");
        }
        return value->toString().toStdString();
    }

    std::optional<int> time(const char* key) {
        const auto written = text(key);
        if (!written) {
            return std::nullopt;
        }
        const auto seconds = TimeText::toSeconds(*written);
        if (!seconds) {
            throw BadField(field(key), "\"" + *written + "\" is not a time written HH.MM.SS");
        }
        return seconds;
    }

    std::optional<int> count(const char* key, int most) {
        const auto value = take(key);
        if (!value) {
            return std::nullopt;
        }
        const double number = value->toDouble(-1);
        if (!value->isDouble() || number != static_cast<double>(static_cast<int>(number))) {
            throw BadField(field(key), "must be a whole number");
        }
        if (number < 1 || number > most) {
            throw BadField(field(key), "must be from 1 to " + std::to_string(most));
        }
        return static_cast<int>(number);
    }

    std::optional<bool> flag(const char* key) {
        const auto value = take(key);
        if (value && !value->isBool()) {
            throw BadField(field(key), "must be true or false");
        }
        return value ? std::optional(value->toBool()) : std::nullopt;
    }

    QJsonObject rest() const { return m_rest; }

private:
    QJsonObject m_rest;
    std::string m_prefix;
};

void checkPreparation(const std::string& field, int preparation, int test, int noFly) {
    if (preparation == 0) {
        throw BadField(field + "preparation", "must not be 00.00.00");
    }
    if (test + noFly > preparation) {
        throw BadField(field + "test", "test and no_fly together are longer than the preparation " +
                                           TimeText::fromSeconds(preparation));
    }
}

/// A drawn round keeps the groups of its draw: changing them is a new draw.
void checkDrawnGroups(const Schedule& schedule, std::size_t index) {
    if (!schedule.draw || index >= schedule.draw->rounds.size()) {
        return;
    }
    const DrawnRound& drawn = schedule.draw->rounds[index];
    if (!drawn.empty() && std::ssize(drawn) != schedule.rounds[index].groups) {
        throw BadField(
            "round " + std::to_string(index + 1) + ", groups",
            "the draw has " + std::to_string(drawn.size()) +
                " groups in this round: import or generate the draw again to change them");
    }
}

ScheduleRound readRound(const QJsonValue& value, const std::string& label,
                        const Schedule& schedule) {
    if (!value.isObject()) {
        throw BadField(label, "must be an object in braces");
    }
    const std::string prefix = label + ", ";
    FieldReader fields(value.toObject(), prefix);
    ScheduleRound round;
    round.task = fields.text("task").value_or("");
    round.title = fields.text("title").value_or("");
    const auto working = fields.time("working");
    if (!working) {
        throw BadField(fields.field("working"), "is missing");
    }
    round.working = *working;
    round.groups = fields.count("groups", kMostGroups).value_or(1);
    round.flights = fields.count("flights", kMostFlights).value_or(1);
    round.preparation = fields.time("preparation");
    round.test = fields.time("test");
    round.noFly = fields.time("no_fly");
    round.gap = fields.time("gap");
    round.unknown = fields.rest();
    checkPreparation(prefix, round.preparation.value_or(schedule.preparation),
                     round.test.value_or(schedule.test), round.noFly.value_or(schedule.noFly));
    return round;
}

Schedule readSchedule(const QJsonObject& object) {
    FieldReader fields(object, "");
    Schedule schedule;
    schedule.name = fields.text("name").value_or("");
    schedule.date = fields.text("date").value_or("");
    if (!schedule.date.empty() &&
        !QDate::fromString(QString::fromStdString(schedule.date), Qt::ISODate).isValid()) {
        throw BadField("date", "\"" + schedule.date + "\" is not a date written YYYY-MM-DD");
    }
    schedule.preparation = fields.time("preparation").value_or(schedule.preparation);
    schedule.test = fields.time("test").value_or(schedule.test);
    schedule.noFly = fields.time("no_fly").value_or(schedule.noFly);
    schedule.gap = fields.time("gap").value_or(schedule.gap);
    schedule.extendedFrame = fields.flag("extended_frame").value_or(false);
    checkPreparation("", schedule.preparation, schedule.test, schedule.noFly);
    const auto rounds = fields.take("rounds");
    if (!rounds || !rounds->isArray() || rounds->toArray().isEmpty()) {
        throw BadField("rounds", "must be a list of at least one round in brackets");
    }
    if (rounds->toArray().size() > kMostRounds) {
        throw BadField("rounds", "has more than " + std::to_string(kMostRounds) + " rounds");
    }
    for (const QJsonValue& round : rounds->toArray()) {
        schedule.rounds.push_back(
            readRound(round, "round " + std::to_string(schedule.rounds.size() + 1), schedule));
    }
    if (const auto draw = fields.take("draw")) {
        auto read = drawFromJson(*draw, groupsPerRound(schedule));
        if (const auto* fault = std::get_if<DrawFieldFault>(&read)) {
            throw BadField(fault->field, fault->what);
        }
        schedule.draw = std::get<Draw>(std::move(read));
    }
    schedule.unknown = fields.rest();
    return schedule;
}

int lineOf(const QByteArray& data, int offset) {
    const auto end = data.begin() + std::clamp<qsizetype>(offset, 0, data.size());
    return 1 + static_cast<int>(std::count(data.begin(), end, '\n'));
}

void setTime(QJsonObject& object, const char* key, std::optional<int> seconds) {
    if (seconds) {
        object.insert(QString::fromLatin1(key),
                      QString::fromStdString(TimeText::fromSeconds(*seconds)));
    }
}

QJsonObject roundObject(const ScheduleRound& round) {
    QJsonObject object = round.unknown;
    object.insert(QStringLiteral("task"), QString::fromStdString(round.task));
    if (!round.title.empty()) {
        object.insert(QStringLiteral("title"), QString::fromStdString(round.title));
    }
    setTime(object, "working", round.working);
    object.insert(QStringLiteral("groups"), round.groups);
    object.insert(QStringLiteral("flights"), round.flights);
    setTime(object, "preparation", round.preparation);
    setTime(object, "test", round.test);
    setTime(object, "no_fly", round.noFly);
    setTime(object, "gap", round.gap);
    return object;
}

} // namespace

std::vector<int> groupsPerRound(const Schedule& schedule) {
    const auto groups = std::views::transform(schedule.rounds, &ScheduleRound::groups);
    return {groups.begin(), groups.end()};
}

LoadedSchedule loadSchedule(const std::string& path) {
    const std::string where = "Schedule " + path;
    auto read = readSmallFile(path, kLargestScheduleFile);
    if (const auto* problem = std::get_if<std::string>(&read)) {
        return {std::nullopt, where + ": " + *problem};
    }
    const QByteArray data = std::get<QByteArray>(std::move(read));
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return {std::nullopt, where + ", line " + std::to_string(lineOf(data, parseError.offset)) +
                                  ": not JSON (" + parseError.errorString().toStdString() + ")"};
    }
    if (!document.isObject()) {
        return {std::nullopt, where + ": must hold one object in braces"};
    }
    return scheduleFromJson(document.object(), where);
}

LoadedSchedule scheduleFromJson(const QJsonObject& object, const std::string& source) {
    try {
        return {readSchedule(object), {}};
    } catch (const BadField& bad) {
        return {std::nullopt, source + ": " + bad.what()};
    }
}

LoadedSchedule withRoundField(Schedule schedule, std::size_t index, RoundField field,
                              const std::string& typed, const std::string& source) {
    const QString text = QString::fromStdString(typed);
    bool whole = false;
    const int number = text.toInt(&whole);
    const QString time = QString::fromStdString(TimeText::fromTyped(typed).value_or(typed));
    const std::string prefix = "round " + std::to_string(index + 1) + ", ";
    ScheduleRound& round = schedule.rounds.at(index);
    try {
        switch (field) {
        case RoundField::Task:
            round.task = typed;
            break;
        case RoundField::Title:
            round.title = typed;
            break;
        case RoundField::Working:
            round.working = *FieldReader({{"working", time}}, prefix).time("working");
            break;
        case RoundField::Groups:
            round.groups = *FieldReader({{"groups", whole ? QJsonValue(number) : text}}, prefix)
                                .count("groups", kMostGroups);
            checkDrawnGroups(schedule, index);
            break;
        case RoundField::Flights:
            round.flights = *FieldReader({{"flights", whole ? QJsonValue(number) : text}}, prefix)
                                 .count("flights", kMostFlights);
            break;
        case RoundField::Preparation:
            round.preparation =
                typed.empty() ? std::nullopt
                              : FieldReader({{"preparation", time}}, prefix).time("preparation");
            break;
        }
        checkPreparation(prefix, round.preparation.value_or(schedule.preparation),
                         round.test.value_or(schedule.test), round.noFly.value_or(schedule.noFly));
    } catch (const BadField& bad) {
        return {std::nullopt, source + ": " + bad.what()};
    }
    return {std::move(schedule), {}};
}

QJsonObject scheduleToJson(const Schedule& schedule) {
    QJsonObject object = schedule.unknown;
    object.insert(QStringLiteral("name"), QString::fromStdString(schedule.name));
    if (!schedule.date.empty()) {
        object.insert(QStringLiteral("date"), QString::fromStdString(schedule.date));
    }
    setTime(object, "preparation", schedule.preparation);
    setTime(object, "test", schedule.test);
    setTime(object, "no_fly", schedule.noFly);
    setTime(object, "gap", schedule.gap);
    object.insert(QStringLiteral("extended_frame"), schedule.extendedFrame);
    QJsonArray rounds;
    for (const ScheduleRound& round : schedule.rounds) {
        rounds.append(roundObject(round));
    }
    object.insert(QStringLiteral("rounds"), rounds);
    if (schedule.draw) {
        object.insert(QStringLiteral("draw"), drawToJson(*schedule.draw));
    }
    return object;
}

std::optional<std::string> saveSchedule(const Schedule& schedule, const std::string& path) {
    if (const auto why = saveWholeFile(path, QJsonDocument(scheduleToJson(schedule)).toJson())) {
        return "Schedule " + path + ": cannot be saved (" + *why + ")";
    }
    return std::nullopt;
}

} // namespace aerolap
