// The view follows the window's elements and hands the operator's actions to them.
#include "Form1ViewFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace aerolap::testing {
namespace {

class Form1ViewBindingTest : public Form1ViewFixture {
protected:
    static void countInto(Signal<>& signal, int& count) {
        signal.connect([&count] { ++count; });
    }
};

TEST_F(Form1ViewBindingTest, LabelsShowEveryNewCaption) {
    form.Label2.setCaption("00.00.05");
    form.Label4.setCaption("PREPARAZIONE");
    EXPECT_EQ(widget<QLabel>("Label2")->text(), QStringLiteral("00.00.05"));
    EXPECT_EQ(widget<QLabel>("Label4")->text(), QStringLiteral("PREPARAZIONE"));
}

TEST_F(Form1ViewBindingTest, CycleButtonsSwapInTheirSharedPlace) {
    form.Command5.setVisible(false);
    form.Command7.setVisible(true);
    EXPECT_FALSE(widget("Command5")->isVisibleTo(&view));
    EXPECT_TRUE(widget("Command7")->isVisibleTo(&view));

    form.Command7.setVisible(false);
    form.Command2.setVisible(true);
    EXPECT_FALSE(widget("Command7")->isVisibleTo(&view));
    EXPECT_TRUE(widget("Command2")->isVisibleTo(&view));
    EXPECT_EQ(widget("Command2")->geometry(), widget("Command5")->geometry());
}

TEST_F(Form1ViewBindingTest, PressingAButtonClicksItsElement) {
    int starts = 0;
    countInto(form.Command5.clicked, starts);
    widget<QAbstractButton>("Command5")->click();
    EXPECT_EQ(starts, 1);
}

TEST_F(Form1ViewBindingTest, SetupButtonOpensAndClosesThePanel) {
    auto* setup = widget<QAbstractButton>("Command1");
    setup->click();
    EXPECT_EQ(setup->text(), QStringLiteral("CLOSE"));
    EXPECT_TRUE(widget("Frame1")->isVisibleTo(&view));
    setup->click();
    EXPECT_EQ(setup->text(), QStringLiteral("SETUP"));
    EXPECT_FALSE(widget("Frame1")->isVisibleTo(&view));
}

TEST_F(Form1ViewBindingTest, TickingACheckBoxTogglesItsValue) {
    auto* box = widget<QAbstractButton>("Check16");
    int clicks = 0;
    countInto(form.Check16.clicked, clicks);

    box->click();
    EXPECT_EQ(form.Check16.value(), CheckBox::kUnchecked);
    EXPECT_FALSE(box->isChecked());
    box->click();
    EXPECT_EQ(form.Check16.value(), CheckBox::kChecked);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(clicks, 2);
}

TEST_F(Form1ViewBindingTest, CheckBoxesShowValuesSetByCode) {
    form.Check9.setValue(CheckBox::kUnchecked);
    EXPECT_FALSE(widget<QAbstractButton>("Check9")->isChecked());
    form.Check17.setValue(CheckBox::kChecked);
    EXPECT_TRUE(widget<QAbstractButton>("Check17")->isChecked());
}

TEST_F(Form1ViewBindingTest, LanguageIndicatorsCannotBeChanged) {
    widget<QAbstractButton>("Check12")->click();
    QTest::mouseClick(widget("Check13"), Qt::LeftButton);
    EXPECT_EQ(form.Check12.value(), CheckBox::kChecked);
    EXPECT_EQ(form.Check13.value(), CheckBox::kChecked);
}

TEST_F(Form1ViewBindingTest, ChoosingATaskSelectsOnlyThatOption) {
    int clicks = 0;
    countInto(form.Option1.clicked, clicks);
    auto* option1 = widget<QAbstractButton>("Option1");
    option1->click();
    EXPECT_TRUE(form.Option1.selected());
    EXPECT_FALSE(form.Option2.selected());
    EXPECT_TRUE(option1->isChecked());
    EXPECT_FALSE(widget<QAbstractButton>("Option2")->isChecked());

    // A second click on the chosen task keeps it chosen and runs nothing.
    option1->click();
    EXPECT_TRUE(option1->isChecked());
    EXPECT_TRUE(form.Option1.selected());
    EXPECT_EQ(clicks, 1);
}

TEST_F(Form1ViewBindingTest, PickingAPortEntryRaisesTheComboClick) {
    int clicks = 0;
    countInto(form.Combo1.clicked, clicks);
    std::vector<std::string> texts;
    form.Combo1.textChanged.connect([this, &texts] { texts.push_back(form.Combo1.text()); });
    auto* combo = widget<QComboBox>("Combo1");
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(clicks, 1);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(), "2");
    // Whatever the port's handler made of the pick is what the field shows.
    EXPECT_EQ(combo->currentText().toStdString(), form.Combo1.text());
}

TEST_F(Form1ViewBindingTest, TypingInThePortFieldIsNoPick) {
    int clicks = 0;
    countInto(form.Combo1.clicked, clicks);
    auto* edit = widget<QComboBox>("Combo1")->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("7"));
    EXPECT_EQ(form.Combo1.text(), "7");
    EXPECT_EQ(clicks, 0);
}

TEST_F(Form1ViewBindingTest, PortTextSetByCodeIsShown) {
    form.Combo1.setText("3");
    EXPECT_EQ(widget<QComboBox>("Combo1")->currentText(), QStringLiteral("3"));
}

TEST_F(Form1ViewBindingTest, TypedPreparationTimeIsCommittedOnce) {
    int changes = 0;
    countInto(form.Clock2.clockChanged, changes);
    auto* field = widget<QLineEdit>("Clock2");
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("000130"));
    EXPECT_EQ(changes, 0);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(form.Clock2.clockTimeText(), "00.01.30");
    EXPECT_EQ(field->text(), QStringLiteral("00.01.30"));
    EXPECT_EQ(changes, 1);
}

TEST_F(Form1ViewBindingTest, EnterInTheClockFieldNeverStartsACycle) {
    form.window.setVisible(true);
    int starts = 0;
    countInto(form.Command5.clicked, starts);
    auto* field = widget<QLineEdit>("Clock3");
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("000300"));
    QTest::keyClick(field, Qt::Key_Enter);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(starts, 0);
    EXPECT_EQ(form.Clock3.clockTimeText(), "00.03.00");
}

TEST_F(Form1ViewBindingTest, WindowFollowsItsElement) {
    EXPECT_EQ(view.isVisible(), form.window.visible());
    form.window.setVisible(true);
    EXPECT_TRUE(view.isVisible());
    form.window.setVisible(false);
    EXPECT_FALSE(view.isVisible());
}

TEST_F(Form1ViewBindingTest, CloseRequestIsPutToTheWindowWhichMayRefuseIt) {
    form.window.setVisible(true);
    // Nothing scripted: the exit question is answered No.
    EXPECT_FALSE(view.close());
    EXPECT_TRUE(view.isVisible());
    ASSERT_EQ(messageBoxes.shown().size(), 1U);
    EXPECT_EQ(messageBoxes.shown().front().buttons, MessageButtons::YesNo);
    EXPECT_EQ(system.programExit.exits(), 0);
}

TEST_F(Form1ViewBindingTest, CloseLetThroughEndsTheProgram) {
    form.window.setVisible(true);
    messageBoxes.answerNext(MessageAnswer::Yes);
    EXPECT_TRUE(view.close());
    EXPECT_FALSE(view.isVisible());
    // The exit double returns, so both the question and the unload ask for the end.
    EXPECT_GE(system.programExit.exits(), 1);
}

} // namespace
} // namespace aerolap::testing
