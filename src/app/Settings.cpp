#include "Settings.h"

#include "i18n/Language.h"

#include <QDate>
#include <QString>

namespace aerolap {

namespace {

constexpr int kHighestSerialPort = 32767;

template <typename Text>
SettingValue text(std::string_view expected, std::optional<Text> Settings::*member) {
    return {expected, [member](Settings& settings, const std::string& value) {
                if (value.empty()) {
                    return false;
                }
                settings.*member = Text(value);
                return true;
            }};
}

SettingValue switchedOn(bool Settings::*member) {
    return {{}, [member](Settings& settings, const std::string&) {
                settings.*member = true;
                return true;
            }};
}

SettingValue onOrOff(bool Settings::*member) {
    return {"on or off", [member](Settings& settings, const std::string& value) {
                if (value != "on" && value != "off") {
                    return false;
                }
                settings.*member = value == "on";
                return true;
            }};
}

SettingValue port(std::uint16_t Settings::*member) {
    return {"a port from 0 to 65535", [member](Settings& settings, const std::string& value) {
                bool isPort = false;
                const std::uint16_t number = QString::fromStdString(value).toUShort(&isPort);
                if (isPort) {
                    settings.*member = number;
                }
                return isPort;
            }};
}

SettingValue milliseconds(std::chrono::milliseconds Settings::*member) {
    return {"milliseconds", [member](Settings& settings, const std::string& value) {
                bool isNumber = false;
                const int number = QString::fromStdString(value).toInt(&isNumber);
                if (!isNumber || number < 0) {
                    return false;
                }
                settings.*member = std::chrono::milliseconds(number);
                return true;
            }};
}

/// "n=device": the device of serial port n.
SettingValue serialDevice() {
    return {"n=device with n from 1 to 32767", [](Settings& settings, const std::string& value) {
                const QString text = QString::fromStdString(value);
                const qsizetype equals = text.indexOf(QLatin1Char('='));
                bool isNumber = false;
                const int number = text.left(equals).toInt(&isNumber);
                if (equals <= 0 || !isNumber || number < 1 || number > kHighestSerialPort ||
                    equals + 1 == text.size()) {
                    return false;
                }
                settings.serialDevices[number] = text.mid(equals + 1).toStdString();
                return true;
            }};
}

/// A language the program speaks, by its code.
SettingValue language() {
    return {"en, it, de or fr", [](Settings& settings, const std::string& code) {
                const auto shipped = shippedLanguage(code);
                if (shipped) {
                    settings.language = shipped;
                }
                return shipped.has_value();
            }};
}

/// The day report, of the date given, else of today.
SettingValue dayReport() {
    return {"a date as YYYY-MM-DD", [](Settings& settings, const std::string& date) {
                if (!date.empty() &&
                    !QDate::fromString(QString::fromStdString(date), Qt::ISODate).isValid()) {
                    return false;
                }
                settings.dayReport = true;
                if (!date.empty()) {
                    settings.reportDate = date;
                }
                return true;
            }};
}

} // namespace

const std::vector<SettingDeclaration>& settingDeclarations() {
    static const std::vector<SettingDeclaration> declarations = {
        {.name = "help", .shortName = "h", .help = "Show this help."},
        {.name = "version", .shortName = "v", .help = "Show the version."},
        {.name = "sounds",
         .valueName = "folder",
         .help = "Take the cue sound files from <folder>.",
         .variable = "AEROLAP_SOUNDS",
         .defaultMeaning = "the installed set of the director's language",
         .value = text("a folder", &Settings::soundFolder)},
        {.name = "com",
         .valueName = "n=device",
         .help = "Serial port <n> is <device>, for example 1=/dev/ttyUSB0. May be given more than "
                 "once.",
         .variable = "AEROLAP_COM",
         .variableNumbers = kHighestSerialPort,
         .defaultMeaning = "/dev/ttyS<n-1>, on Windows COM<n>",
         .value = serialDevice()},
        {.name = "lang",
         .valueName = "code",
         .help = "Speak <code> (en, it, de or fr) in the windows, the day report and the "
                 "announcements. The pilots' and the timekeepers' pages follow each phone's own "
                 "language.",
         .variable = "AEROLAP_LANG",
         .defaultMeaning = "the system's language, else English",
         .value = language()},
        {.name = "check-sounds",
         .help = "Check every cue sound file, print what was found, and exit: 0 when every file "
                 "plays.",
         .value = switchedOn(&Settings::checkSounds)},
        {.name = "play",
         .help = "With --check-sounds: play each file in turn.",
         .goesWith = "check-sounds",
         .value = switchedOn(&Settings::playSounds)},
        {.name = "web-port",
         .valueName = "n",
         .help = "Serve the pilots' display on port <n>; 0 switches it off.",
         .variable = "AEROLAP_WEB_PORT",
         .defaultValue = "8080",
         .value = port(&Settings::webPort)},
        {.name = "schedule",
         .valueName = "file",
         .help = "Run the contest schedule in <file> (JSON), offering to resume where it was left.",
         .value = text("a file", &Settings::scheduleFile)},
        {.name = "draw",
         .valueName = "file",
         .help = "With --schedule: put the draw of pilots into groups in <file> (CSV with the "
                 "columns round, group, pilot and optionally team) into the schedule.",
         .goesWith = "schedule",
         .value = text("a file", &Settings::drawFile)},
        {.name = "scores",
         .valueName = "file",
         .help = "Keep the contest's scores in <file>, whatever schedule is opened.",
         .variable = "AEROLAP_SCORES",
         .defaultMeaning = "beside the schedule's file: day.json keeps them in day.scores.json",
         .value = text("a file", &Settings::scoresFile)},
        {.name = "results",
         .valueName = "file",
         .help = "Print the standings of the scores of the schedule in <file>, and exit.",
         .value = text("a file", &Settings::resultsSchedule)},
        {.name = "results-csv",
         .valueName = "file",
         .help = "With --results: write the results to <file> as CSV as well (pilot, team, round, "
                 "group, task, flights, raw, normalised, penalty, dropped, total).",
         .goesWith = "results",
         .value = text("a file", &Settings::resultsCsv)},
        {.name = "day-report",
         .help = "Print the report of the day log of [date] (YYYY-MM-DD, today by default): each "
                 "cycle, its phases, cues, frames and gaps; and exit.",
         .argument = "date",
         .value = dayReport()},
        {.name = "html",
         .valueName = "file",
         .help = "With --day-report: write the report as a page to <file> instead.",
         .goesWith = "day-report",
         .value = text("a file", &Settings::reportPage)},
        {.name = "late-ms",
         .valueName = "n",
         .help = "With --day-report: flag the cues later than <n> ms.",
         .defaultValue = "20",
         .goesWith = "day-report",
         .value = milliseconds(&Settings::lateCue)},
        {.name = "remote",
         .valueName = "on|off",
         .help = "The director's remote on the pilots' display server: on (it takes commands "
                 "once a phone is paired) or off (not served at all).",
         .defaultValue = "on",
         .value = onOrOff(&Settings::remote)},
    };
    return declarations;
}

} // namespace aerolap
