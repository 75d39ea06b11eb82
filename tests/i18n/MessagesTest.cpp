// Messages put into words in the director's language where they are shown: the Notices window and
// the day report, while the error stream and the day log keep them as English and as ids.
#include "VirtualTime.h"
#include "day_log/DayReportText.h"
#include "i18n/Catalogues.h"
#include "i18n/MessageText.h"
#include "ui/notices/NoticesWindow.h"

#include <QCoreApplication>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <sstream>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

Catalogues installed(const char* language) {
    return {language, qtCatalogueFolders(QCoreApplication::applicationDirPath())};
}

std::string words(const Message& message) {
    return messageText(message).toStdString();
}

TEST(Messages, TakeTheirArgumentsInOnePassAndTheirCount) {
    EXPECT_EQ(withArguments("%1 and %2", {"%2", "b"}), "%2 and b");
    EXPECT_EQ(withArguments("%n of %1, 100%", {"x"}, 3), "3 of x, 100%");
    EXPECT_EQ(withArguments("%3 %1%", {"a"}), "%3 a%") << "a missing argument stays a mark";
    EXPECT_EQ(sourceText({"LED display back on %1", {"COM1"}}), "LED display back on COM1");
}

// An argument that is a message id of its own (what a file is) is translated with the message;
// a file name, or the words of an older log that no catalogue knows, stay as they are.
TEST(Messages, SpeakTheInstalledLanguage) {
    const Message written{"%1 %2 is written again.", {"The day log", "/log/2026-06-13.jsonl"}};
    const Message back{"LED display back on %1", {"COM1"}};
    EXPECT_EQ(words(written), "The day log /log/2026-06-13.jsonl is written again.");
    {
        const Catalogues italian = installed("it");
        EXPECT_EQ(words(back), "Tabellone LED di nuovo su COM1");
        EXPECT_EQ(words(written),
                  "Il registro del giorno /log/2026-06-13.jsonl viene di nuovo scritto.");
        EXPECT_EQ(words(Message("The sound card caught fire.")), "The sound card caught fire.");
    }
    const Catalogues german = installed("de");
    EXPECT_EQ(words(written), "Das Tagesprotokoll /log/2026-06-13.jsonl wird wieder geschrieben.");
    EXPECT_EQ(words({"Sound output: %1", {"PulseAudio sound server"}}),
              "Tonausgabe: PulseAudio-Soundserver");
}

TEST(Messages, TheNoticesWindowShowsThemInTheDirectorsLanguageAndTheStreamInEnglish) {
    const Catalogues italian = installed("it");
    VirtualTime time;
    std::ostringstream errors;
    NoticeBoard board{time.wall, errors};
    board.post(
        {"LED display lost on %1: the timer runs on; frames resume when it is back", {"COM1"}});
    NoticesWindow window(board);
    const auto* list = window.findChild<QListWidget*>(QStringLiteral("notices"));
    ASSERT_TRUE(QTest::qWaitFor([list] { return list->count() == 1; }, 2000));
    EXPECT_TRUE(list->item(0)->text().endsWith(
        QStringLiteral("Tabellone LED perso su COM1: il timer continua; i frame riprendono "
                       "quando torna")))
        << list->item(0)->text().toStdString();
    EXPECT_EQ(errors.str(),
              "aerolap: LED display lost on COM1: the timer runs on; frames resume when it is "
              "back\n");
}

TEST(Messages, TheDayReportSpeaksGerman) {
    const Catalogues german = installed("de");
    ReportedCycle cycle;
    cycle.phases.push_back({"working", 0, 600, 600'500ms});
    cycle.cues.resize(2);
    cycle.frames.push_back({0, "A0000\r", 3ms, false});
    cycle.ending = Message{"STOP at %1", {"10:12:00.000"}};
    DayReport report;
    report.cycles.push_back(cycle);
    report.notices.push_back({0, {"LED display back on %1", {"COM1"}}});
    report.droppedLines = 1;
    const std::string text = dayReportText(report, 20ms, "Tagesprotokoll", "day.jsonl");
    for (const char* expected :
         {"2 Ansagen, keine zu spät; 1 Frame, 1 nicht angenommen", "600 s: gemessen 600,500 s",
          "Arbeitszeit ab ", "NICHT ANGENOMMEN", "Ende: STOP um 10:12:00.000",
          "Hinweise:", "LED-Anzeige wieder an COM1",
          "1 Zeile verworfen, während das Protokoll ausgelastet war"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    }
    const std::string page = dayReportHtml(report, 20ms, "Tagesprotokoll", "day.jsonl");
    EXPECT_NE(page.find("<html lang=\"de"), std::string::npos);
    EXPECT_NE(page.find("<th>gemessen</th>"), std::string::npos) << page;
}

} // namespace
} // namespace aerolap::testing
