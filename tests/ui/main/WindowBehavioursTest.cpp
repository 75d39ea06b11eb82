// The main window's own behaviours in virtual time: the hand-over from the about box, the set-up
// panel with its auto-close, the preparation-time check and the exit question.
#include "MainWindowFixture.h"
#include "platform/ImmediateProgramExit.h"

#include <cstdio>
#include <fstream>

namespace aerolap::testing {
namespace {

using std::chrono::milliseconds;

using WindowBehaviours = MainWindowFixture;

TEST_F(WindowBehaviours, StartUpShowsOnlyTheAboutBoxAndItsOkShowsTheMainWindow) {
    EXPECT_FALSE(form.window.visible());
    ASSERT_NE(window.aboutBox(), nullptr);
    EXPECT_TRUE(window.aboutBox()->window.visible());

    window.aboutBox()->cmdOK.click();
    EXPECT_TRUE(form.window.visible());
    EXPECT_FALSE(window.aboutBox()->loaded());
    EXPECT_EQ(form.Label2.caption(), "00.00.30");
}

TEST_F(WindowBehaviours, SetUpPanelOpensClosesAndClosesByItselfAfterTwentySeconds) {
    form.Command1.click();
    EXPECT_EQ(form.Command1.caption(), "CLOSE");
    EXPECT_TRUE(form.Frame1.visible());
    form.Command1.click();
    EXPECT_EQ(form.Command1.caption(), "SETUP");
    EXPECT_FALSE(form.Frame1.visible());

    form.Command1.click();
    time.advance(milliseconds(19999));
    EXPECT_TRUE(form.Frame1.visible());
    time.advance(milliseconds(1));
    EXPECT_FALSE(form.Frame1.visible());
    EXPECT_EQ(form.Command1.caption(), "SETUP");
    EXPECT_FALSE(form.Timer7.enabled());
}

TEST_F(WindowBehaviours, TheTickAfterAClosingClickLeavesThePanelClosed) {
    form.Command1.click();
    time.advance(milliseconds(5000));
    form.Command1.click();
    time.advance(milliseconds(20000));
    EXPECT_FALSE(form.Frame1.visible());
    EXPECT_EQ(form.Command1.caption(), "SETUP");
}

TEST_F(WindowBehaviours, EveryPanelClickRestartsTheTwentySeconds) {
    form.Command1.click();
    time.advance(milliseconds(15000));
    form.Command1.click(); // closes
    form.Command1.click(); // opens again, 15 s after the first click
    time.advance(milliseconds(19999));
    EXPECT_TRUE(form.Frame1.visible());
    time.advance(milliseconds(1));
    EXPECT_FALSE(form.Frame1.visible());
}

TEST_F(WindowBehaviours, ZeroPreparationTimeIsRefusedWithTheMessageAndReplacedByNineSeconds) {
    form.Clock2.commitEdit("00.00.00");
    EXPECT_EQ(messageBoxes.shown(),
              (std::vector<MessageBoxRequest>{{"Il valore non puo essere 00.00.00", "InfoMessage",
                                               MessageIcon::Critical, MessageButtons::Ok}}));
    EXPECT_EQ(form.Clock2.clockTimeText(), "00.00.09");
    EXPECT_EQ(form.Clock1.clockTimeText(), "00.00.09");

    form.Command5.click();
    time.advance(milliseconds(100));
    EXPECT_EQ(form.Label2.caption(), "00.00.09");
}

TEST_F(WindowBehaviours, AnyOtherPreparationTimeIsCopiedWithoutAMessage) {
    form.Clock2.commitEdit("00.01.30");
    EXPECT_TRUE(messageBoxes.shown().empty());
    EXPECT_EQ(form.Clock1.clockTimeText(), "00.01.30");
    // The display shows the new time only when the engine next copies the running clock.
    EXPECT_EQ(form.Label2.caption(), "00.00.30");
}

/// A port that is always there and the program's end, logging both in the order they happen.
class PortAndExitLog final : public SerialPortControl, public ProgramExit {
public:
    void setCommPort(std::int16_t) override {}
    void setSettings(const std::string&) override {}
    bool setPortOpen(bool open) override {
        m_open = open;
        events.push_back(open ? "open" : "close");
        return true;
    }
    bool portOpen() const override { return m_open; }
    void output(const std::string&) override {}
    void exitNow() override { events.push_back("exit"); }

    std::vector<std::string> events;

private:
    bool m_open = false;
};

class ExitQuestion : public ::testing::Test {
protected:
    ExitQuestion() {
        for (Timer* timer : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer4, &form.Timer5,
                             &form.Timer6, &form.Timer7}) {
            time.attach(*timer);
        }
        window.Form_Load();
        window.aboutBox()->cmdOK.click();
    }

    VirtualTime time;
    RecordingCuePlayer cues{time};
    ScriptedMessageBoxes messageBoxes;
    SystemServiceDoubles system;
    PortAndExitLog log;
    MainWindow window{MainWindowServices{time, cues, log, messageBoxes, system.stacking, log,
                                         system.registry, system.files, system.programs}};
    Form1& form = window.form();
};

TEST_F(ExitQuestion, NoLeavesARunningCycleAndEveryElementAsItWas) {
    form.Command5.click();
    form.Command1.click();
    time.advance(milliseconds(5500));
    ASSERT_EQ(form.Label2.caption(), "00.00.25");
    const auto eventsBefore = log.events;

    messageBoxes.answerNext(MessageAnswer::No);
    std::int16_t cancel = 0;
    window.Form_QueryUnload(cancel, 0);

    EXPECT_EQ(cancel, -1);
    EXPECT_EQ(messageBoxes.shown(),
              (std::vector<MessageBoxRequest>{{"Vuoi uscire da programma?", "Aerolap ",
                                               MessageIcon::None, MessageButtons::YesNo}}));
    EXPECT_EQ(log.events, eventsBefore);
    EXPECT_TRUE(form.window.visible());
    EXPECT_TRUE(form.Frame1.visible());
    EXPECT_TRUE(form.Command7.visible());
    EXPECT_EQ(form.Label4.caption(), "PREPARAZIONE");
    // The cycle goes on: the preparation counts down and hands over to the working time.
    time.advance(milliseconds(26000));
    EXPECT_EQ(form.Label2.caption(), "00.09.59");
}

TEST_F(ExitQuestion, YesClosesThePortAndThenEndsTheProgram) {
    form.Command5.click();
    time.advance(milliseconds(2000));
    ASSERT_TRUE(log.portOpen());

    messageBoxes.answerNext(MessageAnswer::Yes);
    std::int16_t cancel = 0;
    window.Form_QueryUnload(cancel, 0);

    EXPECT_EQ(std::vector<std::string>(log.events.end() - 2, log.events.end()),
              (std::vector<std::string>{"close", "exit"}));
}

TEST(ImmediateProgramExitDeathTest, EndsTheProcessAtOnceWithSuccessAfterFlushingOutput) {
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    const std::string path = ::testing::TempDir() + "aerolap-immediate-exit-test";
    EXPECT_EXIT(
        {
            std::fputs("buffered", std::fopen(path.c_str(), "w"));
            ImmediateProgramExit().exitNow();
            std::abort(); // never reached
        },
        ::testing::ExitedWithCode(0), "");
    std::string text;
    std::ifstream(path) >> text;
    EXPECT_EQ(text, "buffered");
    std::remove(path.c_str());
}

} // namespace
} // namespace aerolap::testing
