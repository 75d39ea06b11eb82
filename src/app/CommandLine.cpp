#include "CommandLine.h"

#include <QCommandLineParser>
#include <QDate>
#include <QStringList>

namespace aerolap {

namespace {

constexpr int kBadUsage = 2;
constexpr int kHighestPort = 32767;

// Parsed before any application object exists, so Qt does not know the program's name yet.
std::string usage(const QCommandLineParser& parser) {
    return parser.helpText()
        .replace(QStringLiteral("<executable_name>"), QStringLiteral("aerolap"))
        .toStdString();
}

ParsedCommandLine refused(const QCommandLineParser& parser, const QString& why) {
    return {std::nullopt, "aerolap: " + why.toStdString() + "\n\n" + usage(parser), kBadUsage};
}

} // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Contest timer for F3K: preparation, working time and landing window, "
                       "announced by voice and shown on an LED display."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption sounds(QStringLiteral("sounds"),
                                    QStringLiteral("Take the cue sound files from <folder>."),
                                    QStringLiteral("folder"));
    const QCommandLineOption com(QStringLiteral("com"),
                                 QStringLiteral("Serial port <n> is <device>, for example "
                                                "1=/dev/ttyUSB0. May be given more than once."),
                                 QStringLiteral("n=device"));
    const QCommandLineOption checkSounds(
        QStringLiteral("check-sounds"),
        QStringLiteral("Check every cue sound file, print what was found, and exit: 0 when every "
                       "file plays."));
    const QCommandLineOption play(QStringLiteral("play"),
                                  QStringLiteral("With --check-sounds: play each file in turn."));
    const QCommandLineOption webPort(
        QStringLiteral("web-port"),
        QStringLiteral("Serve the pilots' display on port <n> (default 8080, or "
                       "$AEROLAP_WEB_PORT); 0 switches it off."),
        QStringLiteral("n"));
    const QCommandLineOption schedule(
        QStringLiteral("schedule"),
        QStringLiteral("Run the contest schedule in <file> (JSON), offering to resume where it "
                       "was left."),
        QStringLiteral("file"));
    const QCommandLineOption remote(
        QStringLiteral("remote"),
        QStringLiteral("The director's remote on the pilots' display server: on (the default; "
                       "it takes commands once a phone is paired) or off (not served at all)."),
        QStringLiteral("on|off"));
    const QCommandLineOption draw(
        QStringLiteral("draw"),
        QStringLiteral("With --schedule: put the draw of pilots into groups in <file> (CSV with "
                       "the columns round, group, pilot and optionally team) into the schedule."),
        QStringLiteral("file"));
    const QCommandLineOption dayReport(
        QStringLiteral("day-report"),
        QStringLiteral("Print the report of the day log of [date] (YYYY-MM-DD, today by "
                       "default): each cycle, its phases, cues, frames and gaps; and exit."));
    const QCommandLineOption html(QStringLiteral("html"),
                                  QStringLiteral("With --day-report: write the report as a page "
                                                 "to <file> instead."),
                                  QStringLiteral("file"));
    const QCommandLineOption lateMs(
        QStringLiteral("late-ms"),
        QStringLiteral("With --day-report: flag the cues later than <n> ms (default 20)."),
        QStringLiteral("n"));
    parser.addOptions({help, sounds, com, checkSounds, play, webPort, schedule, draw, dayReport,
                       html, lateMs, remote});
    parser.addPositionalArgument(QStringLiteral("date"),
                                 QStringLiteral("With --day-report: the day."),
                                 QStringLiteral("[date]"));

    QStringList list;
    for (const std::string& argument : arguments) {
        list << QString::fromStdString(argument);
    }
    if (list.isEmpty()) {
        list << QStringLiteral("aerolap");
    }
    if (!parser.parse(list)) {
        return refused(parser, parser.errorText());
    }
    const QStringList positional = parser.positionalArguments();
    const bool reportsADay = parser.isSet(dayReport) && positional.size() == 1;
    if (!positional.isEmpty() && !reportsADay) {
        return refused(parser, QStringLiteral("unexpected argument '%1'")
                                   .arg(parser.positionalArguments().constFirst()));
    }
    if (parser.isSet(help)) {
        return {std::nullopt, usage(parser), 0};
    }
    if (parser.isSet(version)) {
        return {std::nullopt, "Aerolap " AEROLAP_VERSION "\n", 0};
    }
    CommandLine options;
    if (parser.isSet(sounds)) {
        const QString folder = parser.value(sounds);
        if (folder.isEmpty()) {
            return refused(parser, QStringLiteral("--sounds needs a folder"));
        }
        options.soundFolder = folder.toStdString();
    }
    for (const QString& value : parser.values(com)) {
        const qsizetype equals = value.indexOf(QLatin1Char('='));
        bool isNumber = false;
        const int port = value.left(equals).toInt(&isNumber);
        if (equals <= 0 || !isNumber || port < 1 || port > kHighestPort ||
            equals + 1 == value.size()) {
            return refused(parser, QStringLiteral("--com takes n=device with n from 1 to 32767, "
                                                  "not '%1'")
                                       .arg(value));
        }
        options.serialDevices[port] = value.mid(equals + 1).toStdString();
    }
    if (parser.isSet(webPort)) {
        bool isPort = false;
        options.webPort = parser.value(webPort).toUShort(&isPort);
        if (!isPort) {
            return refused(parser, QStringLiteral("--web-port takes a port from 0 to 65535, "
                                                  "not '%1'")
                                       .arg(parser.value(webPort)));
        }
    }
    if (parser.isSet(schedule)) {
        if (parser.value(schedule).isEmpty()) {
            return refused(parser, QStringLiteral("--schedule needs a file"));
        }
        options.scheduleFile = parser.value(schedule).toStdString();
    }
    if (parser.isSet(draw)) {
        if (parser.value(draw).isEmpty() || !options.scheduleFile) {
            return refused(parser,
                           QStringLiteral("--draw needs a file, and a --schedule to go into"));
        }
        options.drawFile = parser.value(draw).toStdString();
    }
    options.dayReport = parser.isSet(dayReport);
    if ((parser.isSet(html) || parser.isSet(lateMs)) && !options.dayReport) {
        return refused(parser, QStringLiteral("--html and --late-ms go with --day-report"));
    }
    if (reportsADay) {
        if (!QDate::fromString(positional.constFirst(), Qt::ISODate).isValid()) {
            return refused(parser, QStringLiteral("--day-report takes a date as YYYY-MM-DD, not "
                                                  "'%1'")
                                       .arg(positional.constFirst()));
        }
        options.reportDate = positional.constFirst().toStdString();
    }
    if (parser.isSet(html)) {
        if (parser.value(html).isEmpty()) {
            return refused(parser, QStringLiteral("--html needs a file"));
        }
        options.reportPage = parser.value(html).toStdString();
    }
    if (parser.isSet(lateMs)) {
        bool isNumber = false;
        const int late = parser.value(lateMs).toInt(&isNumber);
        if (!isNumber || late < 0) {
            return refused(
                parser,
                QStringLiteral("--late-ms takes milliseconds, not '%1'").arg(parser.value(lateMs)));
        }
        options.lateCue = std::chrono::milliseconds(late);
    }
    if (parser.isSet(remote)) {
        const QString value = parser.value(remote);
        if (value != QLatin1String("on") && value != QLatin1String("off")) {
            return refused(parser, QStringLiteral("--remote takes on or off, not '%1'").arg(value));
        }
        options.remote = value == QLatin1String("on");
    }
    options.checkSounds = parser.isSet(checkSounds);
    options.playSounds = parser.isSet(play);
    if (options.playSounds && !options.checkSounds) {
        return refused(parser, QStringLiteral("--play goes with --check-sounds"));
    }
    return {options, {}, 0};
}

} // namespace aerolap
