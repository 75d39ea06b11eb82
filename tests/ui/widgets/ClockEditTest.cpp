// The clock field: what the operator types or steps reaches the clock once per committed change.
#include "ui/widgets/ClockEdit.h"

#include "VirtualTime.h"

#include <QFocusEvent>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <ostream>

namespace aerolap::testing {
namespace {

class ClockEditTest : public ::testing::Test {
protected:
    ClockEditTest() {
        clock.setClockTimeText("00.00.30");
        clock.clockChanged.connect([this] { ++changes; });
    }

    void type(const QString& keys) {
        edit.selectAll();
        QTest::keyClicks(&edit, keys);
    }

    void leaveField(Qt::FocusReason reason = Qt::TabFocusReason) {
        QFocusEvent focusOut(QEvent::FocusOut, reason);
        QApplication::sendEvent(&edit, &focusOut);
    }

    void wheel(int delta) {
        QWheelEvent event(QPointF(5, 5), edit.mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&edit, &event);
    }

    VirtualTime time; // setting clocks never count, so it stands still
    Clock clock{time, true, true};
    ClockEdit edit{clock};
    int changes = 0;
};

struct TypedCase {
    const char* typed;
    const char* clockAfter;
    int changes;

    friend void PrintTo(const TypedCase& row, std::ostream* out) {
        *out << '"' << row.typed << '"';
    }
};

class ClockEditTypingTest : public ClockEditTest,
                            public ::testing::WithParamInterface<TypedCase> {};

TEST_P(ClockEditTypingTest, EnterCommitsAValidDifferentTimeOnly) {
    const TypedCase& c = GetParam();
    type(QString::fromLatin1(c.typed));
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(clock.clockTimeText(), c.clockAfter);
    EXPECT_EQ(edit.text().toStdString(), c.clockAfter);
    EXPECT_EQ(changes, c.changes);
}

// With and without full stops, letters filtered out; half-typed or invalid text reverts on Enter.
INSTANTIATE_TEST_SUITE_P(
    Typed, ClockEditTypingTest,
    ::testing::Values(TypedCase{"000130", "00.01.30", 1}, TypedCase{"00.01.30", "00.01.30", 1},
                      TypedCase{"0.1.30", "00.01.30", 1}, TypedCase{"0a0b01c30", "00.01.30", 1},
                      TypedCase{"000000", "00.00.00", 1}, TypedCase{"000030", "00.00.30", 0},
                      TypedCase{"0013", "00.00.30", 0}, TypedCase{"006000", "00.00.30", 0},
                      TypedCase{"24.00.00", "00.00.30", 0}, TypedCase{"", "00.00.30", 0}));

TEST_F(ClockEditTest, NothingIsCommittedWhileTypingAndLeavingCommitsOnce) {
    type(QStringLiteral("0002"));
    QTest::keyClicks(&edit, QStringLiteral("00"));
    leaveField(Qt::PopupFocusReason); // a popup taking the focus is no commit
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(clock.clockTimeText(), "00.00.30");
    leaveField();
    leaveField(Qt::MouseFocusReason);
    EXPECT_EQ(clock.clockTimeText(), "00.02.00");
    EXPECT_EQ(changes, 1);
}

struct StepCase {
    const char* from;
    int cursor;
    int key;
    const char* after;

    friend void PrintTo(const StepCase& row, std::ostream* out) {
        *out << row.from << (row.key == Qt::Key_Up ? " up" : " down") << " at " << row.cursor;
    }
};

class ClockEditStepTest : public ClockEditTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(ClockEditStepTest, ArrowKeysStepTheUnitUnderTheCursor) {
    const StepCase& c = GetParam();
    clock.setClockTimeText(c.from);
    edit.setCursorPosition(c.cursor);
    QTest::keyClick(&edit, static_cast<Qt::Key>(c.key));
    EXPECT_EQ(clock.clockTimeText(), c.after);
    EXPECT_EQ(edit.text().toStdString(), c.after);
    EXPECT_EQ(changes, std::string(c.from) == c.after ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Steps, ClockEditStepTest,
                         ::testing::Values(StepCase{"00.10.00", 2, Qt::Key_Up, "01.10.00"},
                                           StepCase{"00.10.00", 3, Qt::Key_Up, "00.11.00"},
                                           StepCase{"00.10.00", 8, Qt::Key_Down, "00.09.59"},
                                           StepCase{"00.00.00", 7, Qt::Key_Down, "00.00.00"},
                                           StepCase{"23.59.59", 7, Qt::Key_Up, "23.59.59"}));

TEST_F(ClockEditTest, WheelStepsLikeTheArrowKeys) {
    edit.setCursorPosition(4);
    wheel(120);
    EXPECT_EQ(clock.clockTimeText(), "00.01.30");
    wheel(-120);
    wheel(-120);
    EXPECT_EQ(clock.clockTimeText(), "00.00.00");
    EXPECT_EQ(changes, 3);
}

TEST_F(ClockEditTest, HandlerThatRewritesTheTimeWinsAndTheBoxTakingFocusIsNoSecondCommit) {
    // As the preparation check does: a refused value is replaced while a modal box has the focus.
    clock.clockChanged.connect([this] {
        if (clock.clockTimeText() == "00.00.00") {
            leaveField(Qt::ActiveWindowFocusReason);
            clock.setClockTimeText("00.00.09");
        }
    });
    type(QStringLiteral("000000"));
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(edit.text(), QStringLiteral("00.00.09"));
    EXPECT_EQ(changes, 1);
}

TEST(ClockEditReadOnlyTest, ClockThatIsNotEditableIgnoresTheOperator) {
    VirtualTime time;
    Clock clock{time, false, false};
    clock.setClockTimeText("00.00.30");
    ClockEdit edit{clock};
    EXPECT_TRUE(edit.isReadOnly());
    QTest::keyClicks(&edit, QStringLiteral("5"));
    QTest::keyClick(&edit, Qt::Key_Up);
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(clock.clockTimeText(), "00.00.30");
}

} // namespace
} // namespace aerolap::testing
