// The clock field: what the operator types or steps reaches the clock once per real change.
#include "ui/widgets/ClockEdit.h"

#include "VirtualTime.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

struct KeyRow {
    const char* name;
    const char* typed;
    int cursor; // where a step counts from
    Qt::Key key;
    const char* after;
    friend void PrintTo(const KeyRow& row, std::ostream* out) { *out << row.name; }
};

/// A field in a dialog whose default button Enter in the field must never reach.
struct ClockEditTest : ::testing::TestWithParam<KeyRow> {
    ClockEditTest() {
        clock.setClockTimeText("00.00.30");
        clock.clockChanged.connect([this] { ++changes; });
        defaultButton->setDefault(true);
    }
    VirtualTime time; // never advanced: these clocks do not count
    Clock clock{time, true, true};
    QDialog dialog;
    ClockEdit* edit = new ClockEdit(clock, &dialog);
    QPushButton* defaultButton = new QPushButton(&dialog);
    QSignalSpy clicks{defaultButton, &QPushButton::clicked};
    int changes = 0;
};

TEST_P(ClockEditTest, CommitsAValidDifferentTimeOnceAndShowsTheClock) {
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromLatin1(GetParam().typed));
    edit->setCursorPosition(GetParam().cursor);
    QTest::keyClick(edit, GetParam().key);
    EXPECT_EQ(clock.clockTimeText() + edit->text().toStdString(),
              std::string(GetParam().after) + GetParam().after);
    EXPECT_EQ(changes, std::string("00.00.30") == GetParam().after ? 0 : 1);
    EXPECT_EQ(clicks.count(), 0);
}

const KeyRow kRows[] = {{"Digits", "000130", 0, Qt::Key_Return, "00.01.30"},
                        {"FullStops", "00.01.30", 0, Qt::Key_Enter, "00.01.30"},
                        {"LettersDropped", "0a0b01c30", 0, Qt::Key_Return, "00.01.30"},
                        {"SameTime", "000030", 0, Qt::Key_Return, "00.00.30"},
                        {"HalfTyped", "0013", 0, Qt::Key_Return, "00.00.30"},
                        {"HoursUp", "00.10.00", 2, Qt::Key_Up, "01.10.00"},
                        {"MinutesUp", "00.10.00", 3, Qt::Key_Up, "00.11.00"},
                        {"SecondsDown", "00.10.00", 8, Qt::Key_Down, "00.09.59"},
                        {"BareHoursUp", "001000", 2, Qt::Key_Up, "01.10.00"}};
INSTANTIATE_TEST_SUITE_P(Rows, ClockEditTest, ::testing::ValuesIn(kRows),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(ClockEditTest, LeavingCommitsButAPopupDoesNotAndTheWheelStepsTheUnitAtTheCursor) {
    EXPECT_EQ(edit->text(), QStringLiteral("00.00.30")); // written by code after the field was made
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("000200"));
    std::vector<int> seen;
    for (const auto reason : {Qt::PopupFocusReason, Qt::TabFocusReason, Qt::MouseFocusReason}) {
        QFocusEvent leave(QEvent::FocusOut, reason);
        QApplication::sendEvent(edit, &leave);
        seen.push_back(changes);
    }
    edit->setCursorPosition(4);
    for (const int delta : {-120, 0, 120, 120}) {
        QWheelEvent wheel({5, 5}, {5, 5}, {}, {0, delta}, {}, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(edit, &wheel);
    }
    EXPECT_EQ(seen, (std::vector{0, 1, 1}));
    EXPECT_EQ(clock.clockTimeText() + "|" + std::to_string(changes), "00.03.00|4");
}

} // namespace
} // namespace aerolap::testing
