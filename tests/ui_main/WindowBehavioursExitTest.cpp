#include "RecordingCuePlayer.h"
#include "ScriptedMessageBoxes.h"
#include "SystemServiceDoubles.h"
#include "VirtualTime.h"
#include "platform/ImmediateProgramExit.h"
#include "ui/main/MainWindow.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

using std::chrono::milliseconds;

/// A port that is always there; remembers whether it was open when the program ended.
class AlwaysThereSerialPort final : public SerialPortControl {
public:
    void setCommPort(std::int16_t) override {}
    void setSettings(const std::string&) override {}
    bool setPortOpen(bool open) override {
        m_open = open;
        return true;
    }
    bool portOpen() const override { return m_open; }
    void output(const std::string& bytes) override { m_sent += bytes; }
    const std::string& sent() const { return m_sent; }

private:
    bool m_open = false;
    std::string m_sent;
};

class ExitRecordingPortState final : public ProgramExit {
public:
    explicit ExitRecordingPortState(const SerialPortControl& port) : m_port(port) {}
    void exitNow() override { m_portOpenAtExit.push_back(m_port.portOpen()); }
    const std::vector<bool>& portOpenAtExit() const { return m_portOpenAtExit; }

private:
    const SerialPortControl& m_port;
    std::vector<bool> m_portOpenAtExit;
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
    AlwaysThereSerialPort port;
    SystemServiceDoubles system;
    ExitRecordingPortState programExit{port};
    MainWindow window{MainWindowServices{time, cues, port, messageBoxes, system.stacking,
                                         programExit, system.registry, system.files,
                                         system.programs}};
    Form1& form = window.form();
};

const MessageBoxRequest kQuestion{"Vuoi uscire da programma?", "Aerolap ", MessageIcon::None,
                                  MessageButtons::YesNo};

TEST_F(ExitQuestion, NoLeavesARunningCycleAndEveryElementAsItWas) {
    form.Command5.click();
    form.Command1.click();
    time.advance(milliseconds(5500));
    ASSERT_EQ(form.Label2.caption(), "00.00.25");

    messageBoxes.answerNext(MessageAnswer::No);
    std::int16_t cancel = 0;
    window.Form_QueryUnload(cancel, 0);

    EXPECT_EQ(cancel, -1);
    EXPECT_EQ(messageBoxes.shown(), std::vector<MessageBoxRequest>{kQuestion});
    EXPECT_TRUE(programExit.portOpenAtExit().empty());
    EXPECT_TRUE(port.portOpen());
    EXPECT_TRUE(form.window.visible());
    EXPECT_TRUE(form.Frame1.visible());
    EXPECT_EQ(form.Command1.caption(), "CLOSE");
    EXPECT_TRUE(form.Command7.visible());
    EXPECT_FALSE(form.Command5.visible());
    EXPECT_TRUE(form.Timer2.enabled());
    EXPECT_EQ(form.Label4.caption(), "PREPARAZIONE");

    // The cycle goes on: the preparation counts down and hands over to the working time.
    time.advance(milliseconds(26000));
    EXPECT_EQ(form.Label2.caption(), "00.09.59");
    EXPECT_TRUE(form.Timer3.enabled());
}

TEST_F(ExitQuestion, AnyAnswerButYesRefusesTheClose) {
    messageBoxes.answerNext(MessageAnswer::Ok);
    std::int16_t cancel = 0;
    window.Form_QueryUnload(cancel, 1);
    EXPECT_EQ(cancel, -1);
    EXPECT_TRUE(programExit.portOpenAtExit().empty());
}

TEST_F(ExitQuestion, YesClosesThePortAndThenEndsTheProgram) {
    form.Command5.click();
    time.advance(milliseconds(2000));
    ASSERT_TRUE(port.portOpen());

    messageBoxes.answerNext(MessageAnswer::Yes);
    std::int16_t cancel = 0;
    window.Form_QueryUnload(cancel, 0);

    EXPECT_EQ(programExit.portOpenAtExit(), std::vector<bool>{false});
    EXPECT_FALSE(port.portOpen());
}

TEST_F(ExitQuestion, UnloadWithoutTheQuestionAlsoClosesThePortAndEnds) {
    std::int16_t cancel = 0;
    window.Form_Unload(cancel);
    EXPECT_TRUE(messageBoxes.shown().empty());
    EXPECT_EQ(programExit.portOpenAtExit(), std::vector<bool>{false});
}

TEST(ImmediateProgramExitDeathTest, EndsTheProcessAtOnceWithSuccessAfterFlushingOutput) {
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    // Not the process id: the threadsafe style runs the statement in a freshly started process.
    const std::string path = ::testing::TempDir() + "aerolap-immediate-exit-test";
    EXPECT_EXIT(
        {
            std::FILE* file = std::fopen(path.c_str(), "w");
            std::fputs("buffered", file);
            ImmediateProgramExit().exitNow();
            std::abort(); // never reached
        },
        ::testing::ExitedWithCode(0), "");
    std::ifstream written(path);
    std::string text;
    written >> text;
    EXPECT_EQ(text, "buffered");
    std::remove(path.c_str());
}

} // namespace
} // namespace aerolap::testing
