#include "ui/day_log/DayLogWindow.h"

#include <QTextBrowser>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

// Each time the director opens the window it shows the report as it stands then, not as it stood
// when the window was first made.
TEST(DayLogWindow, ReadsTheReportAgainEachTimeItIsShown) {
    int cycles = 0;
    DayLogWindow window(
        [&cycles] { return QStringLiteral("<h1>Day log</h1><p>%1 cycles</p>").arg(cycles); });
    auto* page = window.findChild<QTextBrowser*>(QStringLiteral("report"));
    ASSERT_NE(page, nullptr);
    cycles = 2;
    window.show();
    EXPECT_TRUE(page->toPlainText().contains(QStringLiteral("2 cycles")))
        << page->toPlainText().toStdString();
    window.hide();
    cycles = 3;
    window.show();
    EXPECT_TRUE(page->toPlainText().contains(QStringLiteral("3 cycles")))
        << page->toPlainText().toStdString();
}

} // namespace
} // namespace aerolap::testing
