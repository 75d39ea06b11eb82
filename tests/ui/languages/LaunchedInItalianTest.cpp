// Launched with --lang it, on a system set up in English: the Notices and schedule windows speak
// Italian, and the main window, whose captions are the original program's, is the same to the
// pixel as in English, its set-up panel open as well as closed.
#include "ContestDay.h"
#include "TimedComposition.h"
#include "app/CommandLine.h"
#include "i18n/Catalogues.h"
#include "i18n/Language.h"
#include "ui/main/Form1View.h"
#include "ui/notices/NoticesWindow.h"
#include "ui/schedule/ScheduleWindow.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <gtest/gtest.h>
#include <sstream>

namespace aerolap::testing {
namespace {

/// The main window rendered offscreen, with its set-up panel closed and open.
std::vector<QImage> mainWindowLooks(TimedComposition& world) {
    Form1View view{world.timer.window(),
                   {QStringLiteral("Liberation Sans"), QStringLiteral("Liberation Sans")}};
    std::vector<QImage> looks{view.grab().toImage()};
    world.form.Command1.click();
    looks.push_back(view.grab().toImage());
    world.form.Command1.click();
    return looks;
}

QStringList buttonTexts(const QWidget& window) {
    QStringList texts;
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        texts << button->text();
    }
    return texts;
}

TEST(LaunchedWithLangIt, NoticesAndScheduleSpeakItalianAndTheMainWindowIsUnchanged) {
    TimedComposition world;
    world.loadSchedule(kContestDay);
    const std::vector<QImage> english = mainWindowLooks(world);

    std::ostringstream warnings;
    const ParsedCommandLine parsed = parseCommandLine(
        {"aerolap", "--lang", "it"}, [](const std::string&) { return std::nullopt; }, warnings);
    ASSERT_TRUE(parsed.settings);
    const Catalogues italian(directorsLanguage(parsed.settings->language, {"en-US"}),
                             qtCatalogueFolders(QCoreApplication::applicationDirPath()));
    ASSERT_TRUE(italian.programLoaded());

    const NoticesWindow notices(world.notices);
    EXPECT_EQ(notices.windowTitle().toStdString(), "Avvisi");
    const ScheduleWindow schedule(world.timer.scheduleRunner(), world.timer.schedule(), world.time,
                                  world.timer.messageBoxes());
    EXPECT_EQ(schedule.windowTitle().toStdString(), "Programma di gara");
    EXPECT_EQ(buttonTexts(schedule).join(QLatin1Char('|')).toStdString(),
              "Apri...|Salva|Importa sorteggio...|Genera sorteggio...|Ritira pilota...|"
              "Stampa sorteggio...|Aggiungi round|Rimuovi round|Indietro di uno|Salta|Vai a");
    EXPECT_EQ(schedule.findChild<QLabel*>("current")->text().toStdString(),
              "round 1, gruppo 1, volo 1: in attesa dello START");
    const QAbstractItemModel& rounds = *schedule.findChild<QTableView*>("rounds")->model();
    EXPECT_EQ(rounds.headerData(0, Qt::Horizontal).toString().toStdString(), "Prova");
    EXPECT_EQ(schedule.findChild<QLabel*>("drawSummary")->text().left(9).toStdString(),
              "4 piloti,");

    const std::vector<QImage> italianLooks = mainWindowLooks(world);
    ASSERT_EQ(italianLooks.size(), english.size());
    for (std::size_t look = 0; look < english.size(); ++look) {
        EXPECT_FALSE(english[look].isNull());
        EXPECT_TRUE(italianLooks[look] == english[look]) << "look " << look;
    }
}

} // namespace
} // namespace aerolap::testing
