#include "CycleRecordJson.h"

#include "engine/AnnouncementSwitches.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>
#include <chrono>

namespace aerolap {

namespace {

constexpr int kFormat = 1;
constexpr auto kFormatKey = "aerolap_state";

QString momentText(WallClock::TimePoint moment) {
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(moment.time_since_epoch()).count();
    return QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc()).toString(Qt::ISODateWithMs);
}

/// A field that is missing or of the wrong kind ends the reading with its name.
struct BadField {
    std::string name;
};

QJsonValue field(const QJsonObject& object, const char* name, QJsonValue::Type type) {
    const QJsonValue value = object.value(name);
    if (value.type() != type) {
        throw BadField{name};
    }
    return value;
}

WallClock::TimePoint momentField(const QJsonObject& object, const char* name) {
    const QDateTime moment = QDateTime::fromString(
        field(object, name, QJsonValue::String).toString(), Qt::ISODateWithMs);
    if (!moment.isValid()) {
        throw BadField{name};
    }
    return WallClock::TimePoint(std::chrono::milliseconds(moment.toMSecsSinceEpoch()));
}

std::string textField(const QJsonObject& object, const char* name) {
    return field(object, name, QJsonValue::String).toString().toStdString();
}

/// A text field that must name a value, read by `named` (`taskCaptioned`, ...).
template <typename Value>
Value namedField(const QJsonObject& object, const char* name,
                 std::optional<Value> (*named)(std::string_view)) {
    const std::optional<Value> value = named(textField(object, name));
    if (!value) {
        throw BadField{name};
    }
    return *value;
}

bool flagField(const QJsonObject& object, const char* name) {
    return field(object, name, QJsonValue::Bool).toBool();
}

int countField(const QJsonObject& object, const char* name) {
    const int count = field(object, name, QJsonValue::Double).toInt(0);
    if (count < 1) {
        throw BadField{name};
    }
    return count - 1;
}

CycleRecord recordOf(const QJsonObject& object) {
    CycleRecord record;
    record.clean = flagField(object, "clean");
    const QJsonObject settings = field(object, "settings", QJsonValue::Object).toObject();
    record.settings.task = namedField(settings, "task", taskCaptioned);
    record.settings.preparation = textField(settings, "preparation");
    record.settings.working = textField(settings, "working");
    record.settings.loop = flagField(settings, "loop");
    // Files of earlier versions name the switches by the boxes that hold them.
    const char* const switchesKey = settings.contains("announcements") ? "announcements" : "boxes";
    const QJsonObject switches = field(settings, switchesKey, QJsonValue::Object).toObject();
    for (auto each = switches.begin(); each != switches.end(); ++each) {
        if (!each.value().isBool() ||
            !setNamedSwitch(record.settings.announcements, each.key().toStdString(),
                            each.value().toBool())) {
            throw BadField{switchesKey};
        }
    }
    if (object.contains("cycle")) {
        const QJsonObject cycle = field(object, "cycle", QJsonValue::Object).toObject();
        RecordedCycle& running = record.cycle.emplace();
        running.began = momentField(cycle, "began");
        running.phase = namedField(cycle, "phase", spokenPhaseNamed);
        running.phaseBegan = momentField(cycle, "phase_began");
        running.preparation = textField(cycle, "preparation");
        running.working = textField(cycle, "working");
        running.vuz = flagField(cycle, "vuz");
        running.landingButton = flagField(cycle, "landing_button");
        running.minuteBeeps = flagField(cycle, "minute_beeps");
    }
    if (object.contains("schedule")) {
        const QJsonObject schedule = field(object, "schedule", QJsonValue::Object).toObject();
        SchedulePlace& place = record.schedule.emplace();
        place.file = textField(schedule, "file");
        place.round = countField(schedule, "round");
        place.group = countField(schedule, "group");
        place.flight = countField(schedule, "flight");
        // Earlier versions kept the schedule's state beside its own file.
        if (schedule.contains("state")) {
            place.state = namedField(schedule, "state", scheduleStateNamed);
        }
    }
    return record;
}

} // namespace

QByteArray cycleRecordJson(const CycleRecord& record) {
    QJsonObject switches;
    for (const auto& [name, on] : namedSwitches(record.settings.announcements)) {
        switches.insert(QString::fromUtf8(name), on);
    }
    QJsonObject object{
        {kFormatKey, kFormat},
        {"clean", record.clean},
        {"settings",
         QJsonObject{{"task", QString::fromUtf8(taskCaption(record.settings.task))},
                     {"preparation", QString::fromStdString(record.settings.preparation)},
                     {"working", QString::fromStdString(record.settings.working)},
                     {"loop", record.settings.loop},
                     {"announcements", switches}}},
    };
    if (const auto& cycle = record.cycle) {
        object.insert("cycle",
                      QJsonObject{{"began", momentText(cycle->began)},
                                  {"phase", QString::fromUtf8(spokenPhase(cycle->phase))},
                                  {"phase_began", momentText(cycle->phaseBegan)},
                                  {"preparation", QString::fromStdString(cycle->preparation)},
                                  {"working", QString::fromStdString(cycle->working)},
                                  {"vuz", cycle->vuz},
                                  {"landing_button", cycle->landingButton},
                                  {"minute_beeps", cycle->minuteBeeps}});
    }
    if (const auto& schedule = record.schedule) {
        object.insert(
            "schedule",
            QJsonObject{{"file", QString::fromStdString(schedule->file)},
                        {"round", schedule->round + 1},
                        {"group", schedule->group + 1},
                        {"flight", schedule->flight + 1},
                        {"state", QString::fromUtf8(scheduleStateName(schedule->state))}});
    }
    return QJsonDocument(object).toJson();
}

std::variant<CycleRecord, std::string> parseCycleRecord(const QByteArray& bytes) {
    if (bytes.trimmed().isEmpty()) {
        return std::string("is empty");
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        // A file that stops in the middle of its text was cut short, by a full disk or a copy.
        if (error.offset >= bytes.trimmed().size()) {
            return std::string("is cut short: it ends in the middle of its text");
        }
        return "is not JSON (" + error.errorString().toStdString() + " at byte " +
               std::to_string(error.offset) + ")";
    }
    const QJsonObject object = document.object();
    if (!document.isObject() || !object.value(kFormatKey).isDouble()) {
        return std::string("is not a state file of Aerolap");
    }
    if (const int format = object.value(kFormatKey).toInt(); format != kFormat) {
        return "was written by " +
               std::string(format > kFormat ? "a newer version" : "another version") +
               " of Aerolap (its format " + std::to_string(format) + ", this one reads " +
               std::to_string(kFormat) + ")";
    }
    try {
        return recordOf(object);
    } catch (const BadField& bad) {
        return "has no readable \"" + bad.name + "\"";
    }
}

} // namespace aerolap
