// The main window's view on the offscreen screen: its layout tables, focus order and background,
// the model reaching the widgets and the operator's actions reaching the model.
#include "ui/main/Form1View.h"

#include "MainWindowFixture.h"
#include "ui/main/BackgroundPicture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <optional>

namespace aerolap::testing {
namespace {

constexpr qreal kDefault = 8.0; // the system font's size

struct ElementRow {
    const char* name;
    QRect pixels;
    std::optional<std::string> caption;
    qreal points;
    bool bold;
    bool italic;
    bool visibleAfterLoad;
};

// Pixels (twips / 15) relative to the window; every row after Frame1 lies inside the panel.
const ElementRow kElements[] = {
    {"Label2", {136, 152, 457, 97}, "00.00.30", 72, false, true, true},
    {"Label4", {136, 248, 441, 41}, std::nullopt, 21.75, false, false, true},
    {"Label3", {168, 72, 113, 17}, "PREPARAZIONE", 9.75, false, false, true},
    {"Label1", {448, 72, 129, 17}, "TEMPO OPERATIVO", 9.75, false, false, true},
    {"Label8", {624, 16, 57, 17}, "Atterraggio", kDefault, false, false, false},
    {"Label7", {632, 48, 33, 17}, "Beep", kDefault, false, false, false},
    {"Label9", {624, 88, 73, 17}, "azzera variabili", kDefault, false, false, false},
    {"Clock1", {296, 16, 112, 21}, "00.00.30", kDefault, false, false, false},
    {"Clock2", {160, 96, 112, 21}, "00.00.30", kDefault, false, false, true},
    {"Clock3", {456, 96, 112, 21}, "00.10.00", kDefault, false, false, true},
    {"Command5", {264, 488, 193, 41}, "START", 24, true, false, true},
    {"Command7", {264, 488, 193, 41}, "STOP", 24, true, false, false},
    {"Command2", {264, 488, 193, 41}, "RESET", 24, true, false, false},
    {"Command3", {616, 488, 97, 33}, "ATTERRAGGIO", kDefault, false, false, false},
    {"Command1", {8, 488, 113, 33}, "SETUP", 18, false, false, true},
    {"Frame1", {120, 248, 489, 225}, std::nullopt, kDefault, false, false, false},
    {"Label5", {16, 8, 57, 17}, "VOCE", 9.75, true, false, true},
    {"Check2", {16, 32, 113, 17}, " PREPARAZIONE", kDefault, false, false, true},
    {"Check4", {16, 56, 105, 17}, " ATTERRAGGIO", kDefault, false, false, true},
    {"Check1", {16, 80, 89, 17}, "TO 9 MINUTI", kDefault, false, false, true},
    {"Check3", {16, 104, 89, 17}, "TO 8 MINUTI", kDefault, false, false, true},
    {"Check5", {16, 128, 89, 17}, "TO 7 MINUTI", kDefault, false, false, true},
    {"Check6", {16, 152, 89, 17}, "TO 6 MINUTI", kDefault, false, false, true},
    {"Check7", {16, 176, 89, 17}, "TO 5 MINUTI", kDefault, false, false, true},
    {"Check8", {136, 32, 89, 17}, "TO 4 MINUTI", kDefault, false, false, true},
    {"Check9", {136, 56, 89, 17}, "TO 3 MINUTI", kDefault, false, false, true},
    {"Check10", {136, 80, 89, 17}, "TO 2 MINUTI", kDefault, false, false, true},
    {"Check11", {136, 104, 97, 17}, "TO 1 MINUTO", kDefault, false, false, true},
    {"Check14", {136, 128, 105, 17}, "TO 30 SECONDI", kDefault, false, false, true},
    {"Check12", {136, 152, 89, 17}, "ITALIANO", kDefault, false, false, true},
    {"Check13", {136, 176, 89, 17}, "INGLESE", kDefault, false, false, true},
    {"Check16", {136, 200, 65, 13}, "BEEP", kDefault, false, false, true},
    {"Line1", {248, 8, 1, 208}, std::nullopt, kDefault, false, false, true},
    {"Label6", {280, 8, 49, 17}, "TASK", 9.75, true, false, true},
    {"Option2", {256, 40, 97, 17}, "TO 10 MINUTI", kDefault, false, false, true},
    {"Option1", {256, 64, 89, 17}, "PROVA E", kDefault, false, false, true},
    {"Option3", {256, 88, 81, 17}, "TO LIBERO", kDefault, false, false, true},
    {"Option4", {256, 112, 57, 17}, "VUZ", kDefault, false, false, true},
    {"Line2", {248, 160, 160, 1}, std::nullopt, kDefault, false, false, true},
    {"Check17", {256, 168, 57, 17}, "Loop", kDefault, false, false, true},
    {"Check15", {256, 192, 145, 25}, "TIMER IN PRIMO PIANO", kDefault, false, false, true},
    {"Line3", {408, 8, 1, 216}, std::nullopt, kDefault, false, false, true},
    {"Label10", {416, 8, 33, 17}, "COM", 9.75, true, false, true},
    {"Combo1", {416, 24, 41, 21}, "1", kDefault, false, false, true},
};

std::string shownText(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text().toStdString();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text().toStdString();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text().toStdString();
    }
    auto* combo = qobject_cast<QComboBox*>(widget);
    return combo ? combo->currentText().toStdString() : std::string();
}

class Form1ViewTest : public MainWindowFixture {
protected:
    /// The view's widget of element `name`; fails the test when there is none.
    template <typename Widget = QWidget> Widget* widget(const char* name) {
        auto* found = view.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << "no widget " << name;
        return found;
    }
    QAbstractButton* button(const char* name) { return widget<QAbstractButton>(name); }

    Form1View view{window};
};

TEST_F(Form1ViewTest, EveryElementHasItsPlaceCaptionFontAndStartUpVisibility) {
    QWidget* parent = &view;
    for (const ElementRow& row : kElements) {
        SCOPED_TRACE(row.name);
        QWidget* element = widget(row.name);
        ASSERT_NE(element, nullptr);
        EXPECT_EQ(element->parentWidget(), parent);
        EXPECT_EQ(element->geometry(), row.pixels);
        if (row.caption) {
            EXPECT_EQ(shownText(element), *row.caption);
        }
        EXPECT_DOUBLE_EQ(element->font().pointSizeF(), row.points);
        EXPECT_EQ(element->font().bold(), row.bold);
        EXPECT_EQ(element->font().italic(), row.italic);
        if (row.points != kDefault) { // Arial and MS Sans Serif have one substitute
            EXPECT_EQ(QFontInfo(element->font()).family(), QStringLiteral("Liberation Sans"));
        }
        EXPECT_EQ(element->isVisibleTo(parent), row.visibleAfterLoad);
        if (std::string(row.name) == "Frame1") {
            parent = element;
        }
    }
}

TEST_F(Form1ViewTest, FixedDialogFrameCentredWhenShownWithItsLockedElements) {
    // What the operator may not change: the language indicators, the running clock.
    EXPECT_FALSE(button("Check12")->isEnabled());
    EXPECT_TRUE(widget<QLineEdit>("Clock1")->isReadOnly());
    EXPECT_TRUE(widget<QComboBox>("Combo1")->isEditable());

    EXPECT_EQ(view.windowTitle(),
              QStringLiteral("Aerolap-Vuz by Birno ver.3.4.2 VERSIONE INGLESE"));
    EXPECT_EQ(view.minimumSize(), QSize(730, 551));
    EXPECT_EQ(view.maximumSize(), QSize(730, 551));
    const Qt::WindowFlags flags = view.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));

    form.window.setVisible(true);
    ASSERT_TRUE(view.isVisible());
    const QPoint offset =
        view.frameGeometry().center() - view.screen()->availableGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 1);
}

TEST_F(Form1ViewTest, FocusChainFollowsTheTabOrder) {
    const std::vector<std::string> expected = {
        "Command5", "Command7", "Command1", "Check1",   "Check2",  "Check3",  "Check4",  "Check5",
        "Check6",   "Check7",   "Check8",   "Check9",   "Check10", "Check11", "Check12", "Check13",
        "Option1",  "Option2",  "Command2", "Check14",  "Option3", "Check15", "Check16", "Check17",
        "Clock2",   "Clock3",   "Option4",  "Command3", "Combo1"};
    QWidget* start = widget("Command5");
    std::vector<std::string> chain;
    QWidget* at = start;
    do {
        const std::string name = at->objectName().toStdString();
        if (std::find(expected.begin(), expected.end(), name) != expected.end()) {
            chain.push_back(name);
        }
        at = at->nextInFocusChain();
    } while (at != start && chain.size() <= expected.size());
    EXPECT_EQ(chain, expected);

    // Shown with the panel closed: START has the focus and Tab skips every hidden element.
    form.window.setVisible(true);
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view, 5000));
    std::vector<std::string> visited{QApplication::focusWidget()->objectName().toStdString()};
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    EXPECT_EQ(visited,
              (std::vector<std::string>{"Command5", "Command1", "Clock2", "Clock3", "Command5"}));
}

TEST_F(Form1ViewTest, BackgroundPictureCoversTheClientAreaButItsBottomRow) {
    const QImage picture = BackgroundPicture::render();
    ASSERT_EQ(picture.size(), QSize(730, 550));
    // A grey field, a lighter ellipse in the middle and the black name in the top corners.
    EXPECT_GT(qGray(picture.pixel(365, 275)), qGray(picture.pixel(1, 548)) + 40);
    EXPECT_LT(qGray(picture.pixel(20, 20)) + qGray(picture.pixel(709, 20)), 400);

    const QImage shown = view.grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(300, 550)), QColor(0, 192, 192));
    for (const QPoint point : {QPoint(1, 548), QPoint(365, 130), QPoint(700, 300)}) {
        EXPECT_EQ(shown.pixel(point), picture.pixel(point)) << point.x() << "," << point.y();
    }
}

TEST_F(Form1ViewTest, ModelChangesReachTheWidgets) {
    form.Label2.setCaption("00.00.05");
    EXPECT_EQ(widget<QLabel>("Label2")->text(), QStringLiteral("00.00.05"));
    form.Check9.setValue(CheckBox::kUnchecked);
    EXPECT_FALSE(button("Check9")->isChecked());
    form.Combo1.setText("3");
    EXPECT_EQ(widget<QComboBox>("Combo1")->currentText(), QStringLiteral("3"));

    form.Command5.setVisible(false);
    form.Command2.setVisible(true);
    EXPECT_FALSE(widget("Command5")->isVisibleTo(&view));
    EXPECT_TRUE(widget("Command2")->isVisibleTo(&view));

    form.window.setVisible(true);
    EXPECT_TRUE(view.isVisible());
    form.window.setVisible(false);
    EXPECT_FALSE(view.isVisible());
}

TEST_F(Form1ViewTest, OperatorActionsReachTheModel) {
    int starts = 0;
    form.Command5.clicked.connect([&starts] { ++starts; });
    button("Command5")->click();
    EXPECT_EQ(starts, 1);

    button("Check16")->click();
    EXPECT_EQ(form.Check16.value(), CheckBox::kUnchecked);

    int optionClicks = 0;
    form.Option1.clicked.connect([&optionClicks] { ++optionClicks; });
    button("Option1")->click();
    button("Option1")->click(); // the chosen task again runs nothing
    EXPECT_TRUE(form.Option1.selected());
    EXPECT_FALSE(form.Option2.selected());
    EXPECT_FALSE(button("Option2")->isChecked());
    EXPECT_EQ(optionClicks, 1);
}

TEST_F(Form1ViewTest, PickingAPortEntryClicksTheComboButTypingDoesNot) {
    int clicks = 0;
    form.Combo1.clicked.connect([&clicks] { ++clicks; });
    auto* combo = widget<QComboBox>("Combo1");
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(clicks, 1);
    // Whatever the port's handler made of the pick is what the field shows.
    EXPECT_EQ(combo->currentText().toStdString(), form.Combo1.text());

    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("7"));
    EXPECT_EQ(form.Combo1.text(), "7");
    EXPECT_EQ(clicks, 1);
}

TEST_F(Form1ViewTest, EnterInAClockFieldCommitsOnceAndNeverStartsACycle) {
    form.window.setVisible(true);
    int starts = 0;
    int changes = 0;
    form.Command5.clicked.connect([&starts] { ++starts; });
    form.Clock3.clockChanged.connect([&changes] { ++changes; });
    auto* field = widget<QLineEdit>("Clock3");
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("000300"));
    QTest::keyClick(field, Qt::Key_Enter);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(starts, 0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(form.Clock3.clockTimeText(), "00.03.00");
}

TEST_F(Form1ViewTest, CloseRequestIsPutToTheWindowWhichMayRefuseIt) {
    form.window.setVisible(true);
    // Nothing scripted: the exit question is answered No.
    EXPECT_FALSE(view.close());
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(messageBoxes.shown().size(), 1U);
    EXPECT_EQ(system.programExit.exits(), 0);

    messageBoxes.answerNext(MessageAnswer::Yes);
    EXPECT_TRUE(view.close());
    EXPECT_FALSE(view.isVisible());
    EXPECT_GE(system.programExit.exits(), 1);
}

} // namespace
} // namespace aerolap::testing
