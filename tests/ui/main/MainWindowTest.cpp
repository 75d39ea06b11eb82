// The main window: its own behaviours in virtual time (start-up hand-over, set-up panel, always
// on top, preparation-time check, exit question), and its view on the offscreen screen.
#include "MainWindowFixture.h"
#include "ui/main/BackgroundPicture.h"
#include "ui/main/Form1View.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace aerolap::testing {
namespace {

using std::chrono::milliseconds;
using WindowBehaviours = MainWindowFixture;

TEST_F(WindowBehaviours, StartUpShowsOnlyTheAboutBoxUntilItsOk) {
    EXPECT_FALSE(form.window.visible());
    EXPECT_TRUE(window.aboutBox()->window.visible());
    window.aboutBox()->cmdOK.click();
    EXPECT_TRUE(form.window.visible());
}

TEST_F(WindowBehaviours, SetUpPanelClosesItselfTwentySecondsAfterTheLastClick) {
    const auto expectPanel = [this](bool open) {
        EXPECT_EQ(form.Frame1.visible(), open);
        EXPECT_EQ(form.Command1.caption(), open ? "CLOSE" : "SETUP");
    };
    form.Command1.click();
    expectPanel(true);
    time.advance(milliseconds(15000));
    form.Command1.click();
    expectPanel(false);
    form.Command1.click(); // every click starts the 20 s again
    time.advance(milliseconds(19999));
    expectPanel(true);
    time.advance(milliseconds(1));
    expectPanel(false);
    EXPECT_FALSE(form.Timer7.enabled());
    form.Command1.click();
    form.Command1.click(); // the tick after a closing click leaves the panel closed
    time.advance(milliseconds(20000));
    expectPanel(false);
}

TEST_F(WindowBehaviours, AlwaysOnTopFollowsItsBox) {
    form.Check15.setValue(CheckBox::kChecked);
    form.Check15.setValue(CheckBox::kUnchecked);
    EXPECT_EQ(system.stacking.calls(), (std::vector<bool>{true, false}));
}

TEST_F(WindowBehaviours, PreparationTimeGoesToTheRunningClockButZeroIsRefused) {
    form.Clock2.commitEdit("00.01.30");
    EXPECT_EQ(form.Clock1.clockTimeText(), "00.01.30");
    EXPECT_EQ(form.Label2.caption(), "00.00.30"); // shown when the engine next copies Clock1
    EXPECT_TRUE(messageBoxes.shown().empty());
    form.Clock2.commitEdit("00.00.00");
    EXPECT_EQ(messageBoxes.shown(),
              (std::vector<MessageBoxRequest>{{"Il valore non puo essere 00.00.00", "InfoMessage",
                                               MessageIcon::Critical, MessageButtons::Ok}}));
    EXPECT_EQ(form.Clock2.clockTimeText(), "00.00.09");
    EXPECT_EQ(form.Clock1.clockTimeText(), "00.00.09");
}

TEST_F(WindowBehaviours, NoToTheExitQuestionKeepsTheWindowAndTheCycle) {
    form.Command5.click();
    std::int16_t cancel = 0;
    window.Form_QueryUnload(cancel, 0);
    EXPECT_EQ(cancel, -1);
    EXPECT_EQ(messageBoxes.shown(),
              (std::vector<MessageBoxRequest>{{"Vuoi uscire da programma?", "Aerolap ",
                                               MessageIcon::None, MessageButtons::YesNo}}));
    EXPECT_EQ(system.programExit.exits(), 0);
    time.advance(milliseconds(5500));
    EXPECT_EQ(form.Label2.caption(), "00.00.25");
}

/// The serial port and the program's end, logged in the order they happen.
struct PortAndExitLog final : SerialPortControl, ProgramExit {
    void setCommPort(std::int16_t) override {}
    void setSettings(const std::string&) override {}
    bool setPortOpen(bool open) override {
        events.push_back(open ? "open" : "close");
        return true;
    }
    bool portOpen() const override { return events.back() == "open"; }
    void output(const std::string&) override {}
    void exitNow() override { events.push_back("exit"); }
    std::vector<std::string> events{"created"};
};

TEST(MainWindowPort, OpensAtStartUpAndClosesBeforeTheProgramEnds) {
    VirtualTime time;
    RecordingCuePlayer cues{time};
    ScriptedMessageBoxes boxes;
    SystemServiceDoubles system;
    PortAndExitLog log;
    MainWindow window{MainWindowServices{time, cues, log, boxes, system.stacking, log,
                                         system.registry, system.files, system.programs}};
    window.Form_Load();
    std::int16_t cancel = 0;
    window.Form_QueryUnload(cancel, 0); // answered No
    EXPECT_EQ(log.events, (std::vector<std::string>{"created", "open"}));
    boxes.answerNext(MessageAnswer::Yes);
    window.Form_QueryUnload(cancel = 0, 0);
    window.Form_Unload(cancel); // the window going away ends the program as well
    EXPECT_EQ(log.events,
              (std::vector<std::string>{"created", "open", "close", "exit", "close", "exit"}));
}

class Form1ViewTest : public MainWindowFixture {
protected:
    template <typename Widget = QWidget> Widget* widget(const char* name) {
        return view.findChild<Widget*>(QString::fromLatin1(name));
    }

    Form1View view{window};
};

TEST_F(Form1ViewTest, CaptionsAndPlacesWhereAFaultWouldShow) {
    std::string captions;
    for (QWidget* child : view.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(child);
        const auto* button = qobject_cast<QAbstractButton*>(child);
        if (label != nullptr || button != nullptr) {
            captions += (label ? label->text() : button->text()).toStdString() + "|";
        }
        EXPECT_TRUE(child->window() != &view ||
                    child->parentWidget()->rect().contains(child->geometry()))
            << child->objectName().toStdString();
    }
    EXPECT_EQ(captions,
              "00.00.30|READY |PREPARAZIONE|TEMPO OPERATIVO|Atterraggio|Beep|azzera variabili|"
              "START|STOP|RESET|ATTERRAGGIO|SETUP|VOCE| PREPARAZIONE| ATTERRAGGIO|TO 9 MINUTI|"
              "TO 8 MINUTI|TO 7 MINUTI|TO 6 MINUTI|TO 5 MINUTI|TO 4 MINUTI|TO 3 MINUTI|"
              "TO 2 MINUTI|TO 1 MINUTO|TO 30 SECONDI|ITALIANO|INGLESE|BEEP|TASK|TO 10 MINUTI|"
              "PROVA E|TO LIBERO|VUZ|Loop|TIMER IN PRIMO PIANO|COM|");
    EXPECT_EQ(view.windowTitle().toStdString(), form.window.title());
    EXPECT_EQ(view.minimumSize(), QSize(730, 551));
    EXPECT_EQ(view.maximumSize(), QSize(730, 551));
    // START, STOP and RESET share one place; the open panel covers the status line.
    for (const char* name : {"Command5", "Command7", "Command2"}) {
        EXPECT_EQ(widget(name)->geometry(), QRect(264, 488, 193, 41)) << name;
    }
    form.Frame1.setVisible(true);
    EXPECT_EQ(view.childAt(widget("Label4")->geometry().topLeft()), widget("Frame1"));
    EXPECT_EQ(widget("Frame1")->geometry().united(widget("Label4")->geometry()),
              widget("Frame1")->geometry());
}

TEST_F(Form1ViewTest, WidgetsFollowTheModel) {
    const std::pair<const char*, VisibleElement*> elements[] = {
        {"Label2", &form.Label2},     {"Label4", &form.Label4},     {"Label8", &form.Label8},
        {"Clock1", &form.Clock1},     {"Clock2", &form.Clock2},     {"Clock3", &form.Clock3},
        {"Command5", &form.Command5}, {"Command7", &form.Command7}, {"Command2", &form.Command2},
        {"Command3", &form.Command3}, {"Command1", &form.Command1}, {"Frame1", &form.Frame1},
        {"Check2", &form.Check2},     {"Check15", &form.Check15},   {"Option4", &form.Option4},
        {"Combo1", &form.Combo1},     {"Label10", &form.Label10}};
    for (const auto& [name, element] : elements) {
        for (const bool visible : {element->visible(), !element->visible()}) {
            element->setVisible(visible);
            EXPECT_EQ(widget(name)->isVisibleTo(widget(name)->parentWidget()), visible) << name;
        }
    }
    form.Label2.setCaption("00.00.05");
    form.Command1.setCaption("CLOSE");
    form.Check9.setValue(CheckBox::kUnchecked);
    form.Check16.setValue(CheckBox::kChecked);
    form.Option4.select();
    form.Combo1.setText("3");
    EXPECT_EQ(widget<QLabel>("Label2")->text(), QStringLiteral("00.00.05"));
    EXPECT_EQ(widget<QAbstractButton>("Command1")->text(), QStringLiteral("CLOSE"));
    EXPECT_FALSE(widget<QAbstractButton>("Check9")->isChecked());
    EXPECT_TRUE(widget<QAbstractButton>("Check16")->isChecked());
    EXPECT_TRUE(widget<QAbstractButton>("Option4")->isChecked());
    EXPECT_FALSE(widget<QAbstractButton>("Option2")->isChecked());
    EXPECT_EQ(widget<QComboBox>("Combo1")->currentText(), QStringLiteral("3"));
    EXPECT_FALSE(widget("Check12")->isEnabled() || widget("Check13")->isEnabled());
    form.window.setVisible(true);
    EXPECT_TRUE(view.isVisible());
    form.window.setVisible(false);
    EXPECT_FALSE(view.isVisible());
}

TEST_F(Form1ViewTest, CycleButtonsAreGreenRedAndYellow) {
    for (const auto& [name, colour] : {std::pair{"Command5", QColor(0, 255, 0)},
                                       {"Command7", QColor(255, 0, 0)},
                                       {"Command2", QColor(255, 255, 0)}}) {
        EXPECT_EQ(widget(name)->grab().toImage().pixelColor(10, 10), colour) << name;
    }
}

TEST_F(Form1ViewTest, OperatorActionsReachTheModel) {
    int starts = 0;
    int picks = 0;
    form.Command5.clicked.connect([&starts] { ++starts; });
    form.Combo1.clicked.connect([&picks] { ++picks; });
    widget<QAbstractButton>("Command5")->click();
    widget<QAbstractButton>("Check16")->click();
    widget<QAbstractButton>("Option1")->click();
    widget<QAbstractButton>("Option1")->click(); // the chosen task stays chosen
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(form.Check16.value(), CheckBox::kUnchecked);
    EXPECT_TRUE(form.Option1.selected() && !form.Option2.selected());
    EXPECT_TRUE(widget<QAbstractButton>("Option1")->isChecked());

    auto* combo = widget<QComboBox>("Combo1");
    QTest::keyClick(combo, Qt::Key_Down); // a pick runs the port choice
    EXPECT_EQ(picks, 1);
    EXPECT_EQ(combo->currentText().toStdString(), form.Combo1.text());
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("7")); // typing does not
    EXPECT_EQ(form.Combo1.text(), "7");
    EXPECT_EQ(picks, 1);

    QTest::keyClick(widget("Clock1"), Qt::Key_Up); // the running clock is not the operator's
    EXPECT_EQ(form.Clock1.clockTimeText(), "00.00.30");
}

TEST_F(Form1ViewTest, CloseRequestIsPutToTheExitQuestion) {
    form.window.setVisible(true);
    EXPECT_FALSE(view.close()); // answered No
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(system.programExit.exits(), 0);
    messageBoxes.answerNext(MessageAnswer::Yes);
    EXPECT_TRUE(view.close());
    EXPECT_EQ(messageBoxes.shown().size(), 2U);
    EXPECT_GE(system.programExit.exits(), 1);
}

} // namespace
} // namespace aerolap::testing
