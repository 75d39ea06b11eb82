#include "ScoreSheetJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <stdexcept>

namespace aerolap {

namespace {

constexpr int kLongestFlight = 24 * 60 * 60;
constexpr int kMostPoints = 1'000'000;
constexpr int kMostRounds = 99;

template <typename Value> using Names = std::array<std::pair<const char*, Value>, 2>;
constexpr Names<ReflightRule> kReflightRules{{
    {"reflown_pilot_takes_reflight", ReflightRule::ReflownPilotTakesReflight},
    {"better_of_two_for_everyone", ReflightRule::BetterOfTwoForEveryone},
}};
constexpr Names<TeamRule> kTeamRules{{
    {"nominated_members", TeamRule::NominatedMembers},
    {"best_members", TeamRule::BestMembers},
}};
constexpr Names<TaskDForm> kTaskDForms{{
    {"two_flights", TaskDForm::TwoFlights},
    {"ladder", TaskDForm::Ladder},
}};
constexpr std::array<std::pair<const char*, CardMark>, 3> kMarks{{
    {"signed", CardMark::Signed},
    {"unsigned", CardMark::Unsigned},
    {"no_show", CardMark::NoShow},
}};

template <typename Table, typename Value> QString nameOf(const Table& table, Value value) {
    const auto found =
        std::ranges::find(table, value, [](const auto& each) { return each.second; });
    return QString::fromLatin1(found->first);
}

/// A fault of one field, caught once for the whole file.
struct BadField : std::runtime_error {
    BadField(const std::string& field, const std::string& what)
        : std::runtime_error(field + ": " + what) {}
};

/// Takes the fields out of one object, checking each; one left over is not the format's.
class Fields {
public:
    Fields(const QJsonValue& value, std::string where) : m_where(std::move(where)) {
        if (!value.isObject()) {
            throw BadField(m_where, "must be an object in braces");
        }
        m_rest = value.toObject();
    }

    std::string field(const std::string& key) const {
        return m_where.empty() ? key : m_where + ", " + key;
    }

    std::optional<QJsonValue> take(const char* key) {
        const QString name = QString::fromLatin1(key);
        if (!m_rest.contains(name)) {
            return std::nullopt;
        }
        return m_rest.take(name);
    }

    std::optional<int> maybeInteger(const char* key, int low, int high) {
        const auto value = take(key);
        if (!value) {
            return std::nullopt;
        }
        const double number = value->toDouble(-1);
        if (!value->isDouble() || number < low || number > high ||
            number != static_cast<double>(static_cast<int>(number))) {
            throw BadField(field(key), "must be " + range(low, high));
        }
        return static_cast<int>(number);
    }

    int integer(const char* key, int low, int high, std::optional<int> otherwise) {
        if (const auto value = maybeInteger(key, low, high)) {
            return *value;
        }
        if (!otherwise) {
            throw BadField(field(key), "is missing: give " + range(low, high));
        }
        return *otherwise;
    }

    bool flag(const char* key) {
        const auto value = take(key);
        if (value && !value->isBool()) {
            throw BadField(field(key), "must be true or false");
        }
        return value && value->toBool();
    }

    std::string text(const char* key) {
        const auto value = take(key);
        if (!value || !value->isString() || value->toString().isEmpty()) {
            throw BadField(field(key), value ? "must be a text in quotes" : "is missing");
        }
        return value->toString().toStdString();
    }

    template <typename Table>
    auto choice(const char* key, const Table& table, decltype(table[0].second) otherwise) {
        const auto value = take(key);
        if (!value) {
            return otherwise;
        }
        const QString name = value->toString();
        for (const auto& [each, meaning] : table) {
            if (name == QLatin1StringView(each)) {
                return meaning;
            }
        }
        std::string allowed;
        for (const auto& each : table) {
            allowed += (allowed.empty() ? "\"" : ", \"") + std::string(each.first) + "\"";
        }
        throw BadField(field(key), "must be one of " + allowed);
    }

    QJsonArray list(const char* key) {
        const auto value = take(key);
        if (value && !value->isArray()) {
            throw BadField(field(key), "must be a list in brackets");
        }
        return value ? value->toArray() : QJsonArray();
    }

    void finish() const {
        if (!m_rest.isEmpty()) {
            throw BadField(field(m_rest.begin().key().toStdString()),
                           "is not a field of the scores file");
        }
    }

private:
    static std::string range(int low, int high) {
        return "a whole number from " + std::to_string(low) + " to " + std::to_string(high);
    }

    QJsonObject m_rest;
    std::string m_where;
};

/// The steps of the dropped rounds, when the file gives them.
void readDropSteps(Fields& rules, const char* key, std::vector<DropStep>& read) {
    const auto value = rules.take(key);
    if (!value) {
        return;
    }
    const std::string where = rules.field(key);
    if (!value->isArray()) {
        throw BadField(where, "must be a list in brackets");
    }
    const QJsonArray steps = value->toArray();
    read.clear();
    for (qsizetype i = 0; i < steps.size(); ++i) {
        Fields step(steps[i], where + " " + std::to_string(i + 1));
        read.push_back({step.integer("from_rounds", 1, kMostRounds, std::nullopt),
                        step.integer("dropped", 0, kMostRounds, std::nullopt)});
        step.finish();
    }
}

void readRules(Fields rules, ScoreSheet& sheet) {
    ContestRules& read = sheet.rules;
    const ContestRules usual;
    readDropSteps(rules, "dropped_rounds", read.droppedRounds);
    readDropSteps(rules, "dropped_fly_off_rounds", read.droppedFlyOffRounds);
    read.minimumRounds = rules.integer("minimum_rounds", 0, kMostRounds, usual.minimumRounds);
    read.penaltyLimit = rules.integer("penalty_limit", 0, kMostPoints, usual.penaltyLimit);
    read.reflight = rules.choice("reflight", kReflightRules, usual.reflight);
    read.team = rules.choice("team", kTeamRules, usual.team);
    read.teamMembersCounted =
        rules.integer("team_members_counted", 1, kMostRounds, usual.teamMembersCounted);
    read.pokerTargets = rules.integer("poker_targets", 1, 9, usual.pokerTargets);
    read.taskD = rules.choice("task_d", kTaskDForms, usual.taskD);
    if (const auto round = rules.maybeInteger("fly_off_from_round", 1, kMostRounds)) {
        sheet.flyOffFrom = *round - 1;
    }
    rules.finish();
}

Flight readFlight(const QJsonValue& value, const std::string& where) {
    Fields fields(value, where);
    Flight flight;
    flight.seconds = fields.integer("seconds", 0, kLongestFlight, std::nullopt);
    flight.target = fields.integer("target", 0, kLongestFlight, 0);
    flight.launchedAt = fields.maybeInteger("launched_at", 0, kLongestFlight);
    flight.afterWorkingTime = fields.integer("after_working_time", 0, flight.seconds, 0);
    fields.finish();
    return flight;
}

PhoneCardOrigin readOrigin(const QJsonValue& value, const std::string& where) {
    Fields fields(value, where);
    PhoneCardOrigin origin{fields.text("card"), 0, fields.text("device"), fields.text("signed_by")};
    bool isNumber = false;
    origin.made = QString::fromStdString(fields.text("made")).toULongLong(&isNumber);
    if (!isNumber) {
        throw BadField(fields.field("made"), "must be a whole number in quotes");
    }
    fields.finish();
    return origin;
}

GroupSheet readGroup(const QJsonValue& value, const std::string& where) {
    Fields fields(value, where);
    GroupSheet group;
    group.confirmed = fields.flag("confirmed");
    group.reflight = fields.flag("reflight");
    for (const QJsonValue& name : fields.list("granted")) {
        if (!name.isString()) {
            throw BadField(fields.field("granted"), "must be a list of names in quotes");
        }
        group.granted.insert(name.toString().toStdString());
    }
    for (const QJsonValue& each : fields.list("cards")) {
        Fields card(each, where + ", card " + std::to_string(group.cards.size() + 1));
        const std::string pilot = card.text("pilot");
        const std::string of = where + ", card of " + pilot;
        Card read;
        const QJsonArray flights = card.list("flights");
        for (qsizetype i = 0; i < flights.size(); ++i) {
            read.flights.push_back(
                readFlight(flights[i], of + ", flight " + std::to_string(i + 1)));
        }
        read.penalty = card.integer("penalty", 0, kMostPoints, 0);
        read.mark = card.choice("mark", kMarks, CardMark::Signed);
        if (const auto phone = card.take("phone")) {
            group.fromPhones.emplace(pilot, readOrigin(*phone, of + ", phone"));
        }
        card.finish();
        if (!group.cards.emplace(pilot, std::move(read)).second) {
            throw BadField(of, "the pilot has two cards in the group");
        }
    }
    fields.finish();
    return group;
}

ScoreSheet readSheet(const QJsonObject& object) {
    Fields fields(object, "");
    if (fields.text("format") != kScoresFormat) {
        throw BadField("format", std::string("must be \"") + kScoresFormat + "\"");
    }
    const int version = fields.integer("version", 1, 1'000'000, std::nullopt);
    if (version > kScoresVersion) {
        throw BadField("version", std::to_string(version) +
                                      " is of a newer Aerolap: this one reads up to " +
                                      std::to_string(kScoresVersion));
    }
    ScoreSheet sheet;
    if (const auto rules = fields.take("rules")) {
        readRules(Fields(*rules, "rules"), sheet);
    }
    const QJsonArray rounds = fields.list("rounds");
    if (rounds.size() > kMostRounds) {
        throw BadField("rounds", "has more than " + std::to_string(kMostRounds) + " rounds");
    }
    for (qsizetype r = 0; r < rounds.size(); ++r) {
        const std::string round = "round " + std::to_string(r + 1);
        if (!rounds[r].isArray()) {
            throw BadField(round, "must be a list of groups in brackets");
        }
        auto& groups = sheet.rounds.emplace_back();
        const QJsonArray read = rounds[r].toArray();
        for (qsizetype g = 0; g < read.size(); ++g) {
            groups.push_back(readGroup(read[g], round + ", group " + std::to_string(g + 1)));
        }
    }
    fields.finish();
    return sheet;
}

QJsonArray dropStepsJson(const std::vector<DropStep>& steps) {
    QJsonArray written;
    for (const DropStep& step : steps) {
        written.append(QJsonObject{{QStringLiteral("from_rounds"), step.fromRounds},
                                   {QStringLiteral("dropped"), step.dropped}});
    }
    return written;
}

QJsonObject rulesJson(const ScoreSheet& sheet) {
    const ContestRules& rules = sheet.rules;
    QJsonObject written{
        {QStringLiteral("dropped_rounds"), dropStepsJson(rules.droppedRounds)},
        {QStringLiteral("dropped_fly_off_rounds"), dropStepsJson(rules.droppedFlyOffRounds)},
        {QStringLiteral("minimum_rounds"), rules.minimumRounds},
        {QStringLiteral("penalty_limit"), rules.penaltyLimit},
        {QStringLiteral("reflight"), nameOf(kReflightRules, rules.reflight)},
        {QStringLiteral("team"), nameOf(kTeamRules, rules.team)},
        {QStringLiteral("team_members_counted"), rules.teamMembersCounted},
        {QStringLiteral("poker_targets"), rules.pokerTargets},
        {QStringLiteral("task_d"), nameOf(kTaskDForms, rules.taskD)},
    };
    if (sheet.flyOffFrom) {
        written.insert(QStringLiteral("fly_off_from_round"), *sheet.flyOffFrom + 1);
    }
    return written;
}

QJsonObject flightJson(const Flight& flight) {
    QJsonObject written{{QStringLiteral("seconds"), flight.seconds}};
    if (flight.target != 0) {
        written.insert(QStringLiteral("target"), flight.target);
    }
    if (flight.launchedAt) {
        written.insert(QStringLiteral("launched_at"), *flight.launchedAt);
    }
    if (flight.afterWorkingTime != 0) {
        written.insert(QStringLiteral("after_working_time"), flight.afterWorkingTime);
    }
    return written;
}

QJsonObject groupJson(const GroupSheet& group) {
    QJsonArray cards;
    for (const auto& [pilot, card] : group.cards) {
        QJsonArray flights;
        for (const Flight& flight : card.flights) {
            flights.append(flightJson(flight));
        }
        QJsonObject written{{QStringLiteral("pilot"), QString::fromStdString(pilot)},
                            {QStringLiteral("flights"), flights}};
        if (card.penalty != 0) {
            written.insert(QStringLiteral("penalty"), card.penalty);
        }
        if (card.mark != CardMark::Signed) {
            written.insert(QStringLiteral("mark"), nameOf(kMarks, card.mark));
        }
        if (const auto origin = group.fromPhones.find(pilot); origin != group.fromPhones.end()) {
            const PhoneCardOrigin& from = origin->second;
            written.insert(
                QStringLiteral("phone"),
                QJsonObject{{QStringLiteral("card"), QString::fromStdString(from.id)},
                            {QStringLiteral("made"), QString::number(from.made)},
                            {QStringLiteral("device"), QString::fromStdString(from.device)},
                            {QStringLiteral("signed_by"), QString::fromStdString(from.signedBy)}});
        }
        cards.append(written);
    }
    QJsonObject written{{QStringLiteral("confirmed"), group.confirmed},
                        {QStringLiteral("cards"), cards}};
    if (group.reflight) {
        QJsonArray granted;
        for (const std::string& pilot : group.granted) {
            granted.append(QString::fromStdString(pilot));
        }
        written.insert(QStringLiteral("reflight"), true);
        written.insert(QStringLiteral("granted"), granted);
    }
    return written;
}

} // namespace

QByteArray scoreSheetJson(const ScoreSheet& sheet) {
    QJsonArray rounds;
    for (const auto& groups : sheet.rounds) {
        QJsonArray written;
        for (const GroupSheet& group : groups) {
            written.append(groupJson(group));
        }
        rounds.append(written);
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("format"), QLatin1StringView(kScoresFormat)},
                                     {QStringLiteral("version"), kScoresVersion},
                                     {QStringLiteral("rules"), rulesJson(sheet)},
                                     {QStringLiteral("rounds"), rounds}})
        .toJson();
}

std::variant<ScoreSheet, std::string> scoreSheetFromJson(const QByteArray& bytes) {
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return "is not JSON (" + parseError.errorString().toStdString() + " at byte " +
               std::to_string(parseError.offset) + ")";
    }
    if (!document.isObject()) {
        return std::string("must hold one object in braces");
    }
    try {
        return readSheet(document.object());
    } catch (const BadField& bad) {
        return std::string(bad.what());
    }
}

} // namespace aerolap
