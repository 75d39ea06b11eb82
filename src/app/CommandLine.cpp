#include "CommandLine.h"

#include <QCommandLineParser>
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
    parser.addOptions({help, sounds, com, checkSounds, play, webPort, schedule, remote});

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
    if (!parser.positionalArguments().isEmpty()) {
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
