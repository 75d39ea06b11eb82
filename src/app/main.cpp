// Aerolap: builds the timer with the services of this machine, its views and the pilots' display
// server, and runs the event loop.
#include "app/CommandLine.h"
#include "app/FieldComposition.h"
#include "app/ParentConsole.h"
#include "app/SystemLayoutFonts.h"
#include "app/SystemServices.h"
#include "app/TimerComposition.h"
#include "day_log/DayReportCommand.h"
#include "i18n/Catalogues.h"
#include "i18n/Language.h"
#include "i18n/MessageText.h"
#include "notices/NoticeBoard.h"
#include "platform/Environment.h"
#include "platform/ImmediateProgramExit.h"
#include "platform/LocalFileExistence.h"
#include "platform/SerialDeviceNames.h"
#include "platform/WallClock.h"
#include "remote/RemoteAccess.h"
#include "scores/ResultsCommand.h"
#include "systems/qt/QtMessageBoxService.h"
#include "systems/qt/QtProgramLauncher.h"
#include "systems/qt/QtTimerDriver.h"
#include "ui/about/frmAboutView.h"
#include "ui/day_log/DayLogWindow.h"
#include "ui/main/Form1View.h"
#include "ui/main/MainWindow.h"
#include "ui/notices/NoticesWindow.h"
#include "ui/pilots/PilotsDisplayWindow.h"
#include "ui/remote/PairingWindow.h"
#include "ui/schedule/ScheduleWindow.h"
#include "ui/scores/ScoresWindow.h"
#include "web/PageAddresses.h"
#include "web/PilotsDisplayThread.h"

#include <QAction>
#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

namespace {

/// An entry of the main window's context menu, with its shortcut, that brings a window up. The
/// entry's words are marked for the catalogues where it is offered.
void offerWindow(QWidget& view, const char* entry, const QKeySequence& shortcut, QWidget& window) {
    auto* action = new QAction(QCoreApplication::translate("ContextMenu", entry), &view);
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, &window, [&window] {
        window.show();
        window.raise();
        window.activateWindow();
    });
    view.addAction(action);
}

/// Starts the pilots' display on the port the director chose and prints where pilots find it.
/// Returns the page's addresses, or, when it is off, nothing and why.
std::pair<QStringList, QString> startPilotsDisplay(aerolap::PilotsDisplayThread& server,
                                                   quint16 port, aerolap::NoticeBoard& notices) {
    if (port == 0) {
        return {{},
                aerolap::messageText(
                    QT_TRANSLATE_NOOP("Message", "The pilots' display is switched off (port 0)."))};
    }
    const auto [listening, error] = server.start(QHostAddress::Any, port);
    if (!listening) {
        const aerolap::Message why{QT_TRANSLATE_NOOP("Message", "The pilots' display could not use "
                                                                "port %1 (%2): the timer runs "
                                                                "without it."),
                                   {std::to_string(port), error.toStdString()}};
        notices.post(why);
        return {{}, aerolap::messageText(why)};
    }
    const QStringList addresses = aerolap::pageAddresses(*listening);
    for (const QString& address : addresses) {
        std::cout << "Pilots' display: " << address.toStdString() << "\n";
    }
    std::cout << std::flush;
    return {addresses, {}};
}

/// The user's own folder for what the program keeps between runs ($XDG_DATA_HOME/Aerolap, or
/// ~/.local/share/Aerolap; under %LOCALAPPDATA% on Windows).
std::filesystem::path stateFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation).toStdString();
}

/// The day log's folder, which the report reads too.
std::filesystem::path dayLogFolder() {
    return stateFolder() / "log";
}

} // namespace

int main(int argc, char** argv) {
    const aerolap::ParsedCommandLine parsed = aerolap::parseCommandLine(
        std::vector<std::string>(argv, argv + argc), aerolap::processEnvironment, std::cerr);
    if (!parsed.settings) {
        aerolap::useParentConsole();
        (parsed.exitStatus == 0 ? std::cout : std::cerr) << parsed.message << std::flush;
        return parsed.exitStatus;
    }
    const aerolap::Settings& options = *parsed.settings;
    const std::string language =
        aerolap::directorsLanguage(options.language, QLocale::system().uiLanguages());
    const auto catalogues = [&language] {
        return std::make_unique<aerolap::Catalogues>(
            language, aerolap::qtCatalogueFolders(QCoreApplication::applicationDirPath()));
    };
    if (options.checkSounds || options.dayReport || options.resultsSchedule) {
        aerolap::useParentConsole();
    }
    if (options.resultsSchedule || options.dayReport) {
        // The reports are printed in the director's language, which needs an application to hold
        // the catalogues.
        const QCoreApplication reportApp(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Aerolap"));
        const auto reportLanguage = catalogues();
        if (options.resultsSchedule) {
            return aerolap::runResults(
                {*options.resultsSchedule, options.scoresFile, options.resultsCsv}, std::cout,
                std::cerr);
        }
        return aerolap::runDayReport(
            dayLogFolder(),
            aerolap::DayReportRequest{options.reportDate, options.reportPage, options.lateCue},
            std::cout, std::cerr);
    }
    aerolap::SystemWallClock wallClock;
    aerolap::NoticeBoard notices(wallClock, std::cerr);
    aerolap::SystemServices system(options.soundFolder, language, notices);
    if (options.checkSounds) {
        return system.checkSounds(std::cout, options.playSounds, aerolap::kLanguages) ? 0 : 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Aerolap"));
    const auto windowsLanguage = catalogues();
    system.timingThreadPriority().raiseTimingThread();
    const std::unique_ptr<aerolap::StayAwake> stayAwake = system.stayAwake();

    const aerolap::MonotonicSource& time = system.time();
    const std::unique_ptr<aerolap::SerialPortControl> serialPort =
        system.displayPort(options.serialDevices);
    aerolap::QtMessageBoxService messageBoxes;
    aerolap::ImmediateProgramExit programExit;
    aerolap::LocalFileExistence files;
    aerolap::QtProgramLauncher programs;
    // The cycle's snapshot is taken once each handler is over, on the event loop's next turn.
    const auto runSoon = [&app](std::function<void()> task) {
        QMetaObject::invokeMethod(&app, std::move(task), Qt::QueuedConnection);
    };
    aerolap::TimerComposition timer(
        aerolap::MainWindowServices{time, system.cuePlayer(), *serialPort, messageBoxes,
                                    system.mainWindowStacking(), programExit, system.registry(),
                                    files, programs},
        runSoon,
        aerolap::RecoveryServices{wallClock, system.suspendedTime(), notices, stateFolder()},
        dayLogFolder());
    aerolap::QtTimerDriver timers(time,
                                  [&timer](const aerolap::Timer& due) { timer.beforeTick(due); });
    for (aerolap::Timer* each : timer.timers()) {
        timers.attach(*each);
    }

    aerolap::PilotsDisplayThread webServer;
    const auto [addresses, whyOff] = startPilotsDisplay(webServer, options.webPort, notices);
    std::optional<aerolap::RemoteAccess> remoteAccess;
    if (options.remote) {
        remoteAccess.emplace(time, wallClock, notices, stateFolder(), timer.files());
    }
    const aerolap::FieldComposition field(
        timer, {*stayAwake, system.timerResolution(), addresses.isEmpty() ? nullptr : &webServer,
                remoteAccess ? &*remoteAccess : nullptr,
                [&timer] {
                    return timer.messageBoxes().showing() ||
                           QApplication::activeModalWidget() != nullptr;
                },
                notices, runSoon});

    const aerolap::LayoutFonts fonts = aerolap::systemLayoutFonts();
    aerolap::Form1View view(timer.window(), fonts);
    system.adoptMainWindow(view);
    aerolap::PilotsDisplayWindow pilotsWindow(addresses, whyOff, &view);
    offerWindow(view, QT_TRANSLATE_NOOP("ContextMenu", "Pilots' display..."),
                QKeySequence(Qt::CTRL | Qt::Key_P), pilotsWindow);
    aerolap::ScheduleWindow scheduleWindow(timer.scheduleRunner(), timer.schedule(), time,
                                           timer.messageBoxes(), &view);
    offerWindow(view, QT_TRANSLATE_NOOP("ContextMenu", "Contest schedule..."),
                QKeySequence(Qt::CTRL | Qt::Key_R), scheduleWindow);
    aerolap::ScoresWindow scoresWindow(timer.scores(), timer.scheduleRunner(), &view);
    offerWindow(view, QT_TRANSLATE_NOOP("ContextMenu", "Scores..."),
                QKeySequence(Qt::CTRL | Qt::Key_K), scoresWindow);
    std::unique_ptr<aerolap::PairingWindow> remoteWindow;
    std::unique_ptr<aerolap::PairingWindow> timekeepersWindow;
    if (remoteAccess) {
        const auto pageOf = [&addresses](const QString& page) {
            QStringList pages;
            for (const QString& address : addresses) {
                pages << address + page;
            }
            return pages;
        };
        remoteWindow = std::make_unique<aerolap::PairingWindow>(
            *remoteAccess, aerolap::DeviceRole::Director, pageOf(QStringLiteral("remote")), whyOff,
            &view);
        offerWindow(view, QT_TRANSLATE_NOOP("ContextMenu", "Director's remote..."), QKeySequence(),
                    *remoteWindow);
        timekeepersWindow = std::make_unique<aerolap::PairingWindow>(
            *remoteAccess, aerolap::DeviceRole::Timekeeper, pageOf(QStringLiteral("timekeeper")),
            whyOff, &scoresWindow);
        scoresWindow.offerTimekeepers(*timekeepersWindow);
    }
    aerolap::NoticesWindow noticesWindow(notices, &view);
    offerWindow(view, QT_TRANSLATE_NOOP("ContextMenu", "Notices..."),
                QKeySequence(Qt::CTRL | Qt::Key_N), noticesWindow);
    aerolap::DayLogWindow dayLogWindow(
        [&timer] {
            timer.files().flush(aerolap::FileWriter::kPatience);
            return QString::fromStdString(aerolap::todaysReportHtml(dayLogFolder()));
        },
        &view);
    offerWindow(view, QT_TRANSLATE_NOOP("ContextMenu", "Day log..."),
                QKeySequence(Qt::CTRL | Qt::Key_L), dayLogWindow);
    view.setContextMenuPolicy(Qt::ActionsContextMenu);

    if (options.scoresFile) {
        timer.scores().keepScoresIn(*options.scoresFile);
    }
    timer.load(options.scheduleFile, options.drawFile);
    // Deletes itself when the box is unloaded.
    new aerolap::frmAboutView(*timer.window().aboutBox(), fonts,
                              [&system](QWidget& box) { system.keepOutOfTaskbar(box); });

    return QApplication::exec();
}
