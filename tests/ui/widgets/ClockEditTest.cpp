// The clock field: what the operator types or steps reaches the clock once per real change.
#include "ui/widgets/ClockEdit.h"

#include "VirtualTime.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

class ClockEditTest : public ::testing::Test {
protected:
    ClockEditTest() {
        clock.setClockTimeText("00.00.30");
        clock.clockChanged.connect([this] { ++changes; });
    }

    void leave(Qt::FocusReason reason) {
        QFocusEvent event(QEvent::FocusOut, reason);
        QApplication::sendEvent(edit, &event);
    }

    VirtualTime time; // never advanced: these clocks do not count
    Clock clock{time, true, true};
    QDialog dialog; // with a default button, which Enter in the field must not reach
    QPushButton* defaultButton = new QPushButton(&dialog);
    ClockEdit* edit = new ClockEdit(clock, &dialog);
    int changes = 0;
};

struct KeyRow {
    const char* name;
    const char* start;
    const char* typed; // null: nothing typed
    int cursor;        // -1: where typing left it
    Qt::Key key;
    const char* after;
    friend void PrintTo(const KeyRow& row, std::ostream* out) { *out << row.name; }
};

class ClockEditKeys : public ClockEditTest, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(ClockEditKeys, CommitsAValidDifferentTimeOnceAndShowsTheClock) {
    const KeyRow& row = GetParam();
    clock.setClockTimeText(row.start);
    defaultButton->setDefault(true);
    int clicks = 0;
    QObject::connect(defaultButton, &QPushButton::clicked, [&clicks] { ++clicks; });
    if (row.typed != nullptr) {
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(row.typed));
    }
    if (row.cursor >= 0) {
        edit->setCursorPosition(row.cursor);
    }
    QTest::keyClick(edit, row.key);
    EXPECT_EQ(clock.clockTimeText(), row.after);
    EXPECT_EQ(edit->text().toStdString(), row.after);
    EXPECT_EQ(changes, std::string(row.start) == row.after ? 0 : 1);
    EXPECT_EQ(clicks, 0);
}

constexpr auto kEnter = Qt::Key_Return;
INSTANTIATE_TEST_SUITE_P(
    Rows, ClockEditKeys,
    ::testing::Values(KeyRow{"Digits", "00.00.30", "000130", -1, kEnter, "00.01.30"},
                      KeyRow{"FullStops", "00.00.30", "00.01.30", -1, kEnter, "00.01.30"},
                      KeyRow{"ShortParts", "00.00.30", "0.1.30", -1, Qt::Key_Enter, "00.01.30"},
                      KeyRow{"LettersDropped", "00.00.30", "0a0b01c30", -1, kEnter, "00.01.30"},
                      KeyRow{"Zero", "00.00.30", "000000", -1, kEnter, "00.00.00"},
                      KeyRow{"SameTime", "00.00.30", "000030", -1, kEnter, "00.00.30"},
                      KeyRow{"HalfTyped", "00.00.30", "0013", -1, kEnter, "00.00.30"},
                      KeyRow{"SixtyMinutes", "00.00.30", "006000", -1, kEnter, "00.00.30"},
                      KeyRow{"Day", "00.00.30", "24.00.00", -1, kEnter, "00.00.30"},
                      KeyRow{"Empty", "00.00.30", "", -1, kEnter, "00.00.30"},
                      KeyRow{"HoursUp", "00.10.00", nullptr, 2, Qt::Key_Up, "01.10.00"},
                      KeyRow{"MinutesUp", "00.10.00", nullptr, 3, Qt::Key_Up, "00.11.00"},
                      KeyRow{"SecondsDown", "00.10.00", nullptr, 8, Qt::Key_Down, "00.09.59"},
                      KeyRow{"NotBelowZero", "00.00.00", nullptr, 7, Qt::Key_Down, "00.00.00"},
                      KeyRow{"NotPastDay", "23.59.59", nullptr, 7, Qt::Key_Up, "23.59.59"},
                      KeyRow{"TypedHoursUp", "00.00.30", "001000", 2, Qt::Key_Up, "01.10.00"},
                      KeyRow{"TypedMinutesUp", "00.00.30", "001000", 3, Qt::Key_Up, "00.11.00"}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(ClockEditTest, LeavingTheFieldCommitsButAPopupDoesNotAndTheWheelSteps) {
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("000200"));
    leave(Qt::PopupFocusReason);
    EXPECT_EQ(changes, 0);
    leave(Qt::TabFocusReason);
    leave(Qt::MouseFocusReason);
    EXPECT_EQ(clock.clockTimeText(), "00.02.00");
    EXPECT_EQ(changes, 1);

    edit->setCursorPosition(4);
    for (const int delta : {-120, 0, 120, 120}) {
        QWheelEvent wheel({5, 5}, {5, 5}, {}, {0, delta}, Qt::NoButton, {}, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(edit, &wheel);
    }
    EXPECT_EQ(clock.clockTimeText(), "00.03.00");
    EXPECT_EQ(changes, 4);
}

TEST_F(ClockEditTest, AHandlerThatRewritesTheTimeWinsAndItsMessageBoxCommitsNothing) {
    // As the preparation check does: its modal box takes the focus, then it replaces the time.
    clock.clockChanged.connect([this] {
        leave(Qt::ActiveWindowFocusReason);
        clock.setClockTimeText("00.00.09");
    });
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("000000"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), QStringLiteral("00.00.09"));
    EXPECT_EQ(changes, 1);
}

} // namespace
} // namespace aerolap::testing
