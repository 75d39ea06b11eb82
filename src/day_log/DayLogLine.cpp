#include "DayLogLine.h"

#include "engine/AnnouncementSwitches.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <utility>

namespace aerolap {

namespace {

using std::chrono::nanoseconds;

/// What tells apart the kinds that share an event: the button, or why the lines are missing.
int sortOf(const LineEvent& event) {
    if (const auto* pressed = std::get_if<ButtonPressed>(&event)) {
        return static_cast<int>(pressed->command);
    }
    const auto* missing = std::get_if<LinesMissing>(&event);
    return missing != nullptr && missing->lost ? 1 : 0;
}

/// Each kind's name, with the event its lines hold before their fields are read.
const auto& kinds() {
    static const std::array<std::pair<std::string_view, LineEvent>, 18> kKinds{{
        {"run", ProgramStarted{}},
        {"exit", ProgramClosed{}},
        {"start", ButtonPressed{CycleCommand::Start, {}}},
        {"stop", ButtonPressed{CycleCommand::Stop, {}}},
        {"reset", ButtonPressed{CycleCommand::Reset, {}}},
        {"landing_button", ButtonPressed{CycleCommand::LandingButton, {}}},
        {"phase", PhaseBegan{}},
        {"cue", CuePlayed{}},
        {"frame", FrameSent{}},
        {"port", PortChanged{}},
        {"schedule", ScheduleMoved{}},
        {"resume", CycleResumed{}},
        {"suspend", LaptopSlept{}},
        {"notice", NoticePosted{}},
        {"remote", RemoteCommanded{}},
        {"score", ScoreChanged{}},
        {"dropped", LinesMissing{false, 0}},
        {"lost", LinesMissing{true, 0}},
    }};
    return kKinds;
}

/// How each type of field stands in a line, both ways: what `write` puts there, and what `read`
/// finds there for a field of its second argument's type, if the line holds one.
struct Json {
    static QString text(std::string_view value) {
        return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
    }
    static QJsonValue write(const std::string& value) { return text(value); }
    static QJsonValue write(const std::vector<std::string>& values) {
        QJsonArray texts;
        for (const std::string& value : values) {
            texts.append(text(value));
        }
        return texts;
    }
    static QJsonValue write(bool value) { return value; }
    static QJsonValue write(int value) { return value; }
    static QJsonValue write(long long value) { return qint64{value}; }
    static QJsonValue write(nanoseconds value) { return qint64{value.count()}; }
    static QJsonValue write(Moment value) {
        return write(std::chrono::duration_cast<nanoseconds>(value.time_since_epoch()));
    }
    static QJsonValue write(CyclePhase value) { return text(phaseName(value)); }
    static QJsonValue write(ScheduleState value) { return text(scheduleStateName(value)); }
    static QJsonValue write(const Announcements& value) {
        QJsonObject switches;
        for (const auto& [name, on] : namedSwitches(value)) {
            switches.insert(text(name), on);
        }
        return switches;
    }

    template <typename Value> static std::optional<Value> when(bool holds, Value value) {
        return holds ? std::optional(std::move(value)) : std::nullopt;
    }
    static auto read(const QJsonValue& in, const std::string&) {
        return when(in.isString(), in.toString().toStdString());
    }
    static std::optional<std::vector<std::string>> read(const QJsonValue& in,
                                                        const std::vector<std::string>&) {
        std::vector<std::string> texts;
        for (const QJsonValue& each : in.toArray()) {
            if (!each.isString()) {
                return std::nullopt;
            }
            texts.push_back(each.toString().toStdString());
        }
        return when(in.isArray(), std::move(texts));
    }
    static auto read(const QJsonValue& in, bool) { return when(in.isBool(), in.toBool()); }
    static auto read(const QJsonValue& in, int) { return when(in.isDouble(), in.toInt()); }
    static auto read(const QJsonValue& in, long long) {
        return when(in.isDouble(), static_cast<long long>(in.toInteger()));
    }
    static auto read(const QJsonValue& in, nanoseconds) {
        return when(in.isDouble(), nanoseconds(in.toInteger()));
    }
    static auto read(const QJsonValue& in, Moment) {
        return when(in.isDouble(), Moment(std::chrono::duration_cast<Moment::duration>(
                                       nanoseconds(in.toInteger()))));
    }
    static auto read(const QJsonValue& in, CyclePhase) {
        return phaseNamed(in.toString().toStdString());
    }
    static std::optional<ScheduleState> read(const QJsonValue& in, ScheduleState) {
        // Logs written before the states had names give them as numbers.
        const int number = in.toInt(-1);
        if (number >= 0 && number <= static_cast<int>(ScheduleState::Finished)) {
            return static_cast<ScheduleState>(number);
        }
        return scheduleStateNamed(in.toString().toStdString());
    }
    static std::optional<Announcements> read(const QJsonValue& in, const Announcements&) {
        // A switch the line does not name was off.
        Announcements switches{false, false, {}, false, false};
        const QJsonObject named = in.toObject();
        for (auto each = named.begin(); each != named.end(); ++each) {
            setNamedSwitch(switches, each.key().toStdString(), each.value().toBool());
        }
        return when(in.isObject(), switches);
    }
};

/// Puts each field into the line; a field that is nothing is left out.
struct FieldWriter {
    QJsonObject& line;

    template <typename Value> FieldWriter& operator()(const char* key, const Value& value) {
        line.insert(QLatin1StringView(key), Json::write(value));
        return *this;
    }
    template <typename Value>
    FieldWriter& operator()(const char* key, const std::optional<Value>& value) {
        return value ? (*this)(key, *value) : *this;
    }
    template <typename Group> FieldWriter& operator()(Group& group) {
        group.fields(*this);
        return *this;
    }
};

/// Takes each field the line has; one it lacks keeps its default, as in the logs of versions
/// that did not write it, and one it cannot read makes the line unreadable.
struct FieldReader {
    const QJsonObject& line;
    std::optional<std::string> unreadable;

    template <typename Value> FieldReader& operator()(const char* key, Value& value) {
        const QJsonValue json = line.value(QLatin1StringView(key));
        if (const auto read = Json::read(json, value)) {
            value = *read;
        } else if (!json.isUndefined() && !unreadable) {
            unreadable = key;
        }
        return *this;
    }
    template <typename Value>
    FieldReader& operator()(const char* key, std::optional<Value>& value) {
        if (line.contains(QLatin1StringView(key))) {
            (*this)(key, value.emplace());
        }
        return *this;
    }
    template <typename Group> FieldReader& operator()(Group& group) {
        group.fields(*this);
        return *this;
    }
};

} // namespace

std::string lineText(DayLogLine line) {
    const auto& kind = *std::ranges::find_if(kinds(), [&line](const auto& each) {
        return each.second.index() == line.event.index() &&
               sortOf(each.second) == sortOf(line.event);
    });
    QJsonObject object{{QStringLiteral("kind"), Json::text(kind.first)},
                       {QStringLiteral("wall_ms"), qint64{line.wallMs}}};
    FieldWriter writer{object};
    writer("mono_ns", line.mono);
    std::visit([&writer](auto& event) { event.fields(writer); }, line.event);
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

std::variant<DayLogLine, std::string> readLine(std::string_view text) {
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    QJsonObject object = document.object();
    if (!document.isObject() || !object.value(QStringLiteral("kind")).isString()) {
        return std::string(QT_TRANSLATE_NOOP("Message", "not a line of the day log"));
    }
    const std::string kind = object.value(QStringLiteral("kind")).toString().toStdString();
    const auto known =
        std::ranges::find(kinds(), kind, [](const auto& each) { return each.first; });
    if (known == kinds().end()) {
        return "unknown kind \"" + kind + "\"";
    }
    // Logs written before the switches had names keep them as the window's boxes, and before
    // the notices were kept as messages, their English words as "text".
    for (const auto& [now, before] : {std::pair{"announcements", "boxes"}, {"message", "text"}}) {
        if (!object.contains(QLatin1StringView(now)) &&
            object.contains(QLatin1StringView(before))) {
            object.insert(QLatin1StringView(now), object.take(QLatin1StringView(before)));
        }
    }
    DayLogLine line{{}, object.value(QStringLiteral("wall_ms")).toInteger(), known->second};
    FieldReader reader{object, std::nullopt};
    reader("mono_ns", line.mono);
    std::visit([&reader](auto& event) { event.fields(reader); }, line.event);
    if (reader.unreadable) {
        return "no readable \"" + *reader.unreadable + "\"";
    }
    return line;
}

} // namespace aerolap
