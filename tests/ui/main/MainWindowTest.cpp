// The main window: its own behaviours in virtual time (start-up hand-over, set-up panel, always
// on top, preparation-time check, exit question), and its view on the offscreen screen.
#include "TimedWindow.h"
#include "ui/main/Form1View.h"

#include <QtTest>
#include <QtWidgets>

namespace aerolap::testing {
namespace {

using Strings = std::vector<std::string>;
using WindowBehaviours = MainWindowFixture;

TEST_F(WindowBehaviours, SetUpPanelClosesItselfTwentySecondsAfterTheLastClick) {
    Strings seen;
    // Clicks, then milliseconds to wait: every click starts the 20 s again, a closing one too,
    // and the tick after a closing click leaves the panel closed.
    for (const auto& [clicks, ms] : {std::pair{1, 15000}, {1, 0}, {1, 19999}, {0, 1}, {2, 20000}}) {
        for (int i = 0; i < clicks; ++i) {
            form.Command1.click();
        }
        time.advance(std::chrono::milliseconds(ms));
        seen.push_back(form.Command1.caption() + (form.Frame1.visible() ? "+" : "-"));
    }
    EXPECT_EQ(seen, (Strings{"CLOSE+", "SETUP-", "CLOSE+", "SETUP-", "SETUP-"}));
    EXPECT_FALSE(form.Timer7.enabled());
}

TEST_F(WindowBehaviours, AlwaysOnTopFollowsItsBox) {
    form.Check15.setValue(CheckBox::kChecked);
    form.Check15.setValue(CheckBox::kUnchecked);
    EXPECT_EQ(system.stacking.calls, (std::vector<bool>{true, false}));
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
    EXPECT_EQ(form.Clock2.clockTimeText() + form.Clock1.clockTimeText(), "00.00.0900.00.09");
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
    bool output(const std::string&) override { return true; }
    void exitNow() override { events.push_back("exit"); }
    Strings events{"created"};
};

TEST_F(WindowBehaviours, StartUpShowsOnlyTheAboutBoxUntilItsOk) {
    EXPECT_TRUE(!form.window.visible() && window.aboutBox()->window.visible());
    window.aboutBox()->cmdOK.click();
    EXPECT_TRUE(form.window.visible());
}

TEST_F(WindowBehaviours, PortOpensAtStartUpAndYesToTheExitQuestionClosesItBeforeTheEnd) {
    PortAndExitLog log;
    MainWindow logged{MainWindowServices{time, cues, log, messageBoxes, system.stacking, log,
                                         system.registry, system.files, system.programs}};
    logged.Form_Load();
    std::int16_t cancel = 0;
    logged.Form_QueryUnload(cancel, 0); // answered No: nothing changes
    EXPECT_EQ(cancel, -1);
    EXPECT_EQ(messageBoxes.shown(),
              (std::vector<MessageBoxRequest>{{"Vuoi uscire da programma?", "Aerolap ",
                                               MessageIcon::None, MessageButtons::YesNo}}));
    messageBoxes.answerNext(MessageAnswer::Yes);
    logged.Form_QueryUnload(cancel, 0);
    logged.Form_Unload(cancel); // the window going away ends the program as well
    EXPECT_EQ(log.events, (Strings{"created", "open", "close", "exit", "close", "exit"}));
}

TEST_F(WindowBehaviours, ViewShowsTheModelFollowsItAndPutsTheCloseBoxToTheExitQuestion) {
    Form1View view{window, {QStringLiteral("Liberation Sans"), QStringLiteral("Liberation Sans")}};
    const auto widget = [&view](const char* name) { return view.findChild<QWidget*>(name); };
    std::string texts;
    for (QWidget* child : view.findChildren<QWidget*>()) {
        if (const QVariant text = child->property("text"); text.isValid()) {
            texts += text.toString().toStdString() + "|";
        }
    }
    EXPECT_EQ(texts,
              "00.00.30|READY |PREPARAZIONE|TEMPO OPERATIVO|Atterraggio|Beep|azzera variabili|"
              "00.00.30|00.00.30|00.10.00|START|STOP|RESET|ATTERRAGGIO|SETUP|VOCE| PREPARAZIONE|"
              " ATTERRAGGIO|TO 9 MINUTI|TO 8 MINUTI|TO 7 MINUTI|TO 6 MINUTI|TO 5 MINUTI|"
              "TO 4 MINUTI|TO 3 MINUTI|TO 2 MINUTI|TO 1 MINUTO|TO 30 SECONDI|ITALIANO|INGLESE|"
              "BEEP|TASK|TO 10 MINUTI|PROVA E|TO LIBERO|VUZ|Loop|TIMER IN PRIMO PIANO|COM|1|");
    EXPECT_EQ(view.minimumSize(), QSize(730, 551));
    EXPECT_EQ(view.maximumSize(), QSize(730, 551));
    // START, STOP and RESET share one place, where the cycle shows one of them.
    for (const char* name : {"Command5", "Command7", "Command2"}) {
        EXPECT_EQ(widget(name)->geometry(), QRect(264, 488, 193, 41)) << name;
    }
    EXPECT_EQ(widget("Command5")->grab().toImage().pixelColor(10, 10), QColor(0, 255, 0));

    form.Label2.setCaption("00.00.05");
    form.Command1.setCaption("CLOSE");
    form.Command5.setVisible(false);
    form.Command2.setVisible(true);
    form.Frame1.setVisible(true);
    form.Check9.setValue(CheckBox::kUnchecked);
    form.Option4.select();
    form.Combo1.setText("3");
    form.window.setVisible(true);
    EXPECT_EQ(widget("Label2")->property("text").toString() +
                  widget("Command1")->property("text").toString(),
              "00.00.05CLOSE");
    EXPECT_EQ(view.childAt(widget("Label4")->geometry().center()), widget("Frame1")); // covered
    const auto checked = [&widget](const char* name) {
        return widget(name)->property("checked").toBool();
    };
    EXPECT_EQ((std::vector{widget("Command5")->isVisible(), widget("Command2")->isVisible(),
                           widget("Option1")->isVisible(), checked("Check9"), checked("Option4"),
                           checked("Option2"), widget("Check12")->isEnabled()}),
              (std::vector{false, true, true, false, true, false, false}));
    EXPECT_EQ(view.findChild<QComboBox*>("Combo1")->currentIndex(), 2);

    EXPECT_FALSE(view.close()); // answered No
    messageBoxes.answerNext(MessageAnswer::Yes);
    EXPECT_TRUE(view.close());
    EXPECT_FALSE(view.isVisible() || system.programExit.exits() == 0);
}

} // namespace
} // namespace aerolap::testing
