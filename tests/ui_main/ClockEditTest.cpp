// The clock field: what the operator types or steps reaches the clock once per committed change.
#include "platform/ClockEdit.h"

#include "platform/MonotonicSource.h"

#include <QDialog>
#include <QFocusEvent>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

/// Setting clocks never count, so their time stands still.
class StillTime final : public MonotonicSource {
public:
    TimePoint now() const override { return {}; }
};

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

    StillTime time;
    Clock clock{time, true, true};
    ClockEdit edit{clock};
    int changes = 0;
};

struct TypedCase {
    const char* typed;
    const char* clockAfter;
    int changes;
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

INSTANTIATE_TEST_SUITE_P(
    Typed, ClockEditTypingTest,
    ::testing::Values(TypedCase{"000130", "00.01.30", 1}, TypedCase{"00.01.30", "00.01.30", 1},
                      TypedCase{"0.1.30", "00.01.30", 1}, TypedCase{"235959", "23.59.59", 1},
                      TypedCase{"000000", "00.00.00", 1}, TypedCase{"00.00.30", "00.00.30", 0},
                      TypedCase{"000030", "00.00.30", 0}, TypedCase{"0013", "00.00.30", 0},
                      TypedCase{"006000", "00.00.30", 0}, TypedCase{"24.00.00", "00.00.30", 0},
                      TypedCase{"..", "00.00.30", 0}, TypedCase{"", "00.00.30", 0}));

TEST_F(ClockEditTest, LettersCannotBeTyped) {
    type(QStringLiteral("0a0b01c30"));
    EXPECT_EQ(edit.text(), QStringLiteral("000130"));
}

TEST_F(ClockEditTest, HalfTypedTimeIsNotCommitted) {
    type(QStringLiteral("0001"));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(clock.clockTimeText(), "00.00.30");
    QTest::keyClicks(&edit, QStringLiteral("30"));
    EXPECT_EQ(changes, 0);
    QTest::keyClick(&edit, Qt::Key_Enter);
    EXPECT_EQ(clock.clockTimeText(), "00.01.30");
    EXPECT_EQ(changes, 1);
}

TEST_F(ClockEditTest, LeavingTheFieldCommitsOnce) {
    type(QStringLiteral("000200"));
    leaveField();
    leaveField(Qt::MouseFocusReason);
    EXPECT_EQ(clock.clockTimeText(), "00.02.00");
    EXPECT_EQ(changes, 1);
}

TEST_F(ClockEditTest, APopupTakingTheFocusIsNoCommit) {
    type(QStringLiteral("000200"));
    leaveField(Qt::PopupFocusReason);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(edit.text(), QStringLiteral("000200"));
}

struct StepCase {
    const char* from;
    int cursor;
    int key;
    const char* after;
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
                         ::testing::Values(StepCase{"00.10.00", 0, Qt::Key_Up, "01.10.00"},
                                           StepCase{"00.10.00", 2, Qt::Key_Up, "01.10.00"},
                                           StepCase{"00.10.00", 3, Qt::Key_Up, "00.11.00"},
                                           StepCase{"00.10.00", 5, Qt::Key_Down, "00.09.00"},
                                           StepCase{"00.10.00", 8, Qt::Key_Down, "00.09.59"},
                                           StepCase{"00.00.59", 7, Qt::Key_Up, "00.01.00"},
                                           StepCase{"00.00.00", 7, Qt::Key_Down, "00.00.00"},
                                           StepCase{"00.00.30", 1, Qt::Key_Down, "00.00.00"},
                                           StepCase{"23.59.59", 7, Qt::Key_Up, "23.59.59"}));

TEST_F(ClockEditTest, RepeatedStepsStayInTheirUnit) {
    edit.setCursorPosition(4);
    QTest::keyClick(&edit, Qt::Key_Up);
    QTest::keyClick(&edit, Qt::Key_Up);
    EXPECT_EQ(clock.clockTimeText(), "00.02.30");
    EXPECT_EQ(changes, 2);
}

TEST_F(ClockEditTest, StepStartsFromWhatIsTypedWhenItIsATime) {
    type(QStringLiteral("000500"));
    QTest::keyClick(&edit, Qt::Key_Up);
    EXPECT_EQ(clock.clockTimeText(), "00.05.01");
    EXPECT_EQ(changes, 1);
}

TEST_F(ClockEditTest, WheelStepsLikeTheArrowKeys) {
    edit.setCursorPosition(4);
    wheel(120);
    EXPECT_EQ(clock.clockTimeText(), "00.01.30");
    wheel(-120);
    wheel(-120);
    EXPECT_EQ(clock.clockTimeText(), "00.00.00");
    EXPECT_EQ(changes, 3);
}

TEST_F(ClockEditTest, ShowsTimesWrittenByCode) {
    clock.setClockTimeText("00.05.00");
    EXPECT_EQ(edit.text(), QStringLiteral("00.05.00"));
    EXPECT_EQ(changes, 0);
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
    EXPECT_EQ(clock.clockTimeText(), "00.00.09");
    EXPECT_EQ(edit.text(), QStringLiteral("00.00.09"));
    EXPECT_EQ(changes, 1);
}

TEST_F(ClockEditTest, EnterNeverReachesADefaultButton) {
    QDialog dialog;
    auto* fieldInDialog = new ClockEdit(clock, &dialog);
    auto* button = new QPushButton(QStringLiteral("START"), &dialog);
    button->setDefault(true);
    int presses = 0;
    QObject::connect(button, &QPushButton::clicked, [&presses] { ++presses; });
    dialog.show();
    fieldInDialog->setFocus();
    fieldInDialog->selectAll();
    QTest::keyClicks(fieldInDialog, QStringLiteral("000100"));
    QTest::keyClick(fieldInDialog, Qt::Key_Return);
    QTest::keyClick(fieldInDialog, Qt::Key_Enter);
    EXPECT_EQ(presses, 0);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(clock.clockTimeText(), "00.01.00");
}

TEST(ClockEditReadOnlyTest, ClockThatIsNotEditableIgnoresTheOperator) {
    StillTime time;
    Clock clock{time, false, false};
    clock.setClockTimeText("00.00.30");
    ClockEdit edit{clock};
    EXPECT_TRUE(edit.isReadOnly());
    QTest::keyClicks(&edit, QStringLiteral("5"));
    QTest::keyClick(&edit, Qt::Key_Up);
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(clock.clockTimeText(), "00.00.30");
    EXPECT_EQ(edit.text(), QStringLiteral("00.00.30"));
}

} // namespace
} // namespace aerolap::testing
