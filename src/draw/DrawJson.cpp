#include "DrawJson.h"

#include <QJsonArray>
#include <algorithm>
#include <set>

namespace aerolap {

namespace {

// Seeds stay below 2^53, the whole numbers a JSON number holds exactly.
constexpr double kLargestSeed = 9007199254740991.0;

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

std::optional<int> wholeNumber(const QJsonValue& value, double least, double most) {
    const double number = value.toDouble(-1);
    if (!value.isDouble() || number < least || number > most ||
        number != static_cast<double>(static_cast<std::int64_t>(number))) {
        return std::nullopt;
    }
    return static_cast<int>(number);
}

DrawPilot pilotFrom(const QJsonValue& value, const std::string& field, int rounds) {
    const QJsonObject object = value.toObject();
    const QString name = object.value(QStringLiteral("name")).toString().trimmed();
    if (!value.isObject() || name.isEmpty()) {
        throw DrawFieldFault{field, "must be an object with a \"name\""};
    }
    DrawPilot pilot{name.toStdString(),
                    object.value(QStringLiteral("team")).toString().toStdString(), std::nullopt};
    if (object.contains(QStringLiteral("withdrawn_from_round"))) {
        const auto round = wholeNumber(object.value(QStringLiteral("withdrawn_from_round")), 1,
                                       std::max(rounds, 1) + 1);
        if (!round) {
            throw DrawFieldFault{field + ", withdrawn_from_round",
                                 "must be a round from 1 to " + std::to_string(rounds + 1)};
        }
        pilot.withdrawnFrom = *round - 1;
    }
    return pilot;
}

/// The round's groups; a pilot flies once in the groups drawn, and once in each re-flight group.
DrawnRound roundFrom(const QJsonValue& value, const std::string& field, const Draw& draw,
                     int groups, int reflights) {
    if (!value.isArray()) {
        throw DrawFieldFault{field, "must be a list of groups"};
    }
    const QJsonArray list = value.toArray();
    if (!list.isEmpty() && list.size() != groups) {
        throw DrawFieldFault{field, "has " + std::to_string(list.size()) +
                                        " groups where the round has " + std::to_string(groups)};
    }
    DrawnRound round;
    std::set<int> seen;
    for (const QJsonValue& groupValue : list) {
        std::set<int> own;
        std::set<int>& flying = std::ssize(round) >= groups - reflights ? own : seen;
        DrawnGroup& group = round.emplace_back();
        const std::string where = field + ", group " + std::to_string(round.size());
        for (const QJsonValue& name : groupValue.toArray()) {
            const auto pilot = pilotIndex(draw, name.toString().toStdString());
            if (!pilot) {
                throw DrawFieldFault{where, "\"" + name.toString().toStdString() +
                                                "\" is not one of the draw's pilots"};
            }
            if (!flying.insert(*pilot).second) {
                throw DrawFieldFault{where, "\"" + name.toString().toStdString() +
                                                "\" flies twice in the round"};
            }
            group.push_back(*pilot);
        }
    }
    return round;
}

DrawSettings settingsFrom(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    const auto seed = wholeNumber(object.value(QStringLiteral("seed")), 0, kLargestSeed);
    const auto size = wholeNumber(object.value(QStringLiteral("group_size")), 1, 999);
    const auto groups = wholeNumber(object.value(QStringLiteral("groups")), 1, 99);
    if (!value.isObject() || !seed || size.has_value() == groups.has_value()) {
        throw DrawFieldFault{"draw, generated", "must hold a \"seed\" and either a "
                                                "\"group_size\" or a number of \"groups\""};
    }
    const double exactSeed = object.value(QStringLiteral("seed")).toDouble();
    return {size.value_or(0), groups.value_or(0), static_cast<std::uint64_t>(exactSeed)};
}

} // namespace

QJsonObject drawToJson(const Draw& draw) {
    QJsonArray pilots;
    for (const DrawPilot& pilot : draw.pilots) {
        QJsonObject object{{QStringLiteral("name"), text(pilot.name)}};
        if (!pilot.team.empty()) {
            object.insert(QStringLiteral("team"), text(pilot.team));
        }
        if (pilot.withdrawnFrom) {
            object.insert(QStringLiteral("withdrawn_from_round"), *pilot.withdrawnFrom + 1);
        }
        pilots.append(object);
    }
    QJsonArray rounds;
    for (const DrawnRound& round : draw.rounds) {
        QJsonArray groups;
        for (const DrawnGroup& group : round) {
            QJsonArray names;
            for (const int pilot : group) {
                names.append(text(draw.pilots[static_cast<std::size_t>(pilot)].name));
            }
            groups.append(names);
        }
        rounds.append(groups);
    }
    QJsonObject object{{QStringLiteral("pilots"), pilots}, {QStringLiteral("rounds"), rounds}};
    if (const auto& settings = draw.generation) {
        QJsonObject generated{{QStringLiteral("seed"), static_cast<double>(settings->seed)}};
        generated.insert(settings->groups > 0 ? QStringLiteral("groups")
                                              : QStringLiteral("group_size"),
                         settings->groups > 0 ? settings->groups : settings->groupSize);
        object.insert(QStringLiteral("generated"), generated);
    }
    if (std::ranges::any_of(draw.reflightGroups, [](int groups) { return groups > 0; })) {
        QJsonArray reflights;
        for (const int groups : draw.reflightGroups) {
            reflights.append(groups);
        }
        object.insert(QStringLiteral("reflight_groups"), reflights);
    }
    return object;
}

std::variant<Draw, DrawFieldFault> drawFromJson(const QJsonValue& value,
                                                const std::vector<int>& groupsPerRound) {
    try {
        const QJsonObject object = value.toObject();
        const QJsonValue pilots = object.value(QStringLiteral("pilots"));
        const QJsonValue rounds = object.value(QStringLiteral("rounds"));
        if (!value.isObject() || !pilots.isArray() || !rounds.isArray()) {
            throw DrawFieldFault{"draw", "must be an object with \"pilots\" and \"rounds\""};
        }
        const int roundCount = static_cast<int>(groupsPerRound.size());
        Draw draw;
        for (const QJsonValue& pilot : pilots.toArray()) {
            const std::string field = "draw, pilot " + std::to_string(draw.pilots.size() + 1);
            DrawPilot read = pilotFrom(pilot, field, roundCount);
            if (pilotIndex(draw, read.name)) {
                throw DrawFieldFault{field, "\"" + read.name + "\" is listed twice"};
            }
            draw.pilots.push_back(std::move(read));
        }
        if (rounds.toArray().size() > roundCount) {
            throw DrawFieldFault{"draw, rounds", "has more rounds than the schedule"};
        }
        const QJsonValue reflightsValue = object.value(QStringLiteral("reflight_groups"));
        const QJsonArray reflights = reflightsValue.toArray();
        const DrawFieldFault badReflights{"draw, reflight_groups",
                                          "must give each round from 0 to its number of groups"};
        if (!reflightsValue.isUndefined() &&
            (!reflightsValue.isArray() || reflights.size() > rounds.toArray().size())) {
            throw badReflights;
        }
        for (const QJsonValue& round : rounds.toArray()) {
            const std::size_t index = draw.rounds.size();
            const std::string field = "draw, round " + std::to_string(index + 1);
            const QJsonValue added = reflights.at(static_cast<qsizetype>(index));
            const auto groups = added.isUndefined() ? std::optional(0)
                                                    : wholeNumber(added, 0, groupsPerRound[index]);
            if (!groups) {
                throw badReflights;
            }
            draw.rounds.push_back(roundFrom(round, field, draw, groupsPerRound[index], *groups));
            draw.reflightGroups.push_back(*groups);
        }
        // Kept only as far as it says something, as it is written.
        while (!draw.reflightGroups.empty() && draw.reflightGroups.back() == 0) {
            draw.reflightGroups.pop_back();
        }
        if (object.contains(QStringLiteral("generated"))) {
            draw.generation = settingsFrom(object.value(QStringLiteral("generated")));
        }
        return draw;
    } catch (const DrawFieldFault& fault) {
        return fault;
    }
}

} // namespace aerolap
