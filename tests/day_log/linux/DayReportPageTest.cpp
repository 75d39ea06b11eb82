#include "audio/SoundFiles.h"
#include "day_log/DayReportText.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

/// A day as the jury gets it: a ten-minute cycle with a crash in it, a late cue, a missing one and
/// a frame the port did not take.
DayReport aDay() {
    constexpr long long kAt = 1'781'341'200'000;
    ReportedCycle cycle;
    cycle.startWallMs = kAt;
    cycle.task = "TO 10 MINUTI";
    cycle.ending = "landing window over";
    cycle.phases = {{"preparation", kAt, 30, 30s},
                    {"working", kAt + 30'000, 600, 600s},
                    {"landing", kAt + 630'000, 30, 30s}};
    cycle.cues = {{kAt, sounds::kPreparation, "", "", std::nullopt},
                  {kAt + 30'000, sounds::kVoice9Minutes, "working", "00.09.00", 11ms},
                  {kAt + 632'000, sounds::kLanding, "landing", "00.00.28", 35ms}};
    cycle.missing = {{"landing", "00.00.00", sounds::kEndOfLanding, false}};
    cycle.frames = {{kAt + 30'000, "A0959\r", 2ms, true}, {kAt + 31'000, "A0958\r", 3ms, false}};
    cycle.gaps = {{kAt + 100'000,
                   {"program gone until %1 (%2 s)", {"10:01:43.156", "103"}},
                   "working",
                   "00.08.17"}};
    DayReport day;
    day.cycles = {cycle, cycle};
    day.notices = {
        {kAt,
         {"LED display lost on %1: the timer runs on; frames resume when it is back", {"COM1"}}}};
    return day;
}

/// The width the page is laid out at in a frame as wide as a phone's screen (390 px), in headless
/// Chromium.
int widthOnAPhone(const std::string& page) {
    QTemporaryDir dir;
    QFile harness(dir.filePath(QStringLiteral("phone.html")));
    harness.open(QIODevice::WriteOnly);
    harness.write(
        "<!DOCTYPE html><body style=\"margin:0\"><iframe style=\"width:390px;height:844px;"
        "border:0\" onload=\"document.body.dataset.width=this.contentDocument."
        "documentElement.scrollWidth\" srcdoc=\"" +
        QString::fromStdString(page).toHtmlEscaped().toUtf8() + "\"></iframe></body>");
    harness.close();
    QProcess chromium;
    chromium.start(QStringLiteral("chromium"),
                   {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                    QStringLiteral("--disable-gpu"),
                    QStringLiteral("--user-data-dir=") + dir.filePath(QStringLiteral("profile")),
                    QStringLiteral("--dump-dom"),
                    QUrl::fromLocalFile(harness.fileName()).toString()});
    chromium.waitForFinished(60'000);
    const auto width = QRegularExpression(QStringLiteral("data-width=\"(\\d+)\""))
                           .match(QString::fromUtf8(chromium.readAllStandardOutput()));
    return width.hasMatch() ? width.captured(1).toInt() : -1;
}

// The jury reads the page on a phone: nothing in it, the log's long path included, is wider than
// the screen.
TEST(DayReportPage, FitsAPhonesScreen) {
    const std::string page =
        dayReportHtml(aDay(), 20ms, "Aerolap day log of 2026-06-13",
                      "/home/director/.local/share/Aerolap/log/2026-06-13.jsonl");
    const int width = widthOnAPhone(page);
    ASSERT_GT(width, 0) << "Chromium did not lay the page out";
    EXPECT_LE(width, 390);
}

} // namespace
} // namespace aerolap::testing
