#include "serial/SerialDisplayLink.h"

#include "ScriptedMessageBoxes.h"
#include "ScriptedSerialPort.h"
#include "VirtualTime.h"
#include "engine/StartUpState.h"

#include <gtest/gtest.h>
#include <ostream>

namespace aerolap::testing {
namespace {

const MessageBoxRequest kUnavailable{"La porta non è disponibile", "InfoPort",
                                     MessageIcon::Critical, MessageButtons::Ok};

MessageBoxRequest selected(const std::string& port) {
    return {"La porta selezionata è la COM" + port, "InfoPort", MessageIcon::Information,
            MessageButtons::Ok};
}

class SerialDisplayLinkTest : public ::testing::Test {
protected:
    /// Shows `text` on the display the way the timing engine does: running clock first, then
    /// the caption.
    void display(const std::string& text) {
        form.Clock1.setClockTimeText(text);
        form.Label2.setCaption(text);
    }

    void chooseText(const std::string& text) {
        form.Combo1.setText(text);
        form.Combo1.clicked.emit();
    }

    VirtualTime time;
    Form1 form{time};
    ScriptedSerialPort port{{1, 2, 3, 4}};
    ScriptedMessageBoxes messageBoxes;
    SerialDisplayLink link{form, port, messageBoxes};
};

TEST_F(SerialDisplayLinkTest, SendsOneFrameOfTheRunningClocksMinutesAndSecondsPerCaptionChange) {
    link.openAtStartUp();
    EXPECT_EQ(port.log(),
              (std::vector<std::string>{"CommPort 1", "Settings 9600,n,8,1", "PortOpen 1 ok"}));
    const std::pair<const char*, std::string> frames[] = {
        {"00.00.10", "\x41\x30\x30\x31\x30\x0D"},
        {"00.09.03", "\x41\x30\x39\x30\x33\x0D"},
        {"00.10.00", "\x41\x31\x30\x30\x30\x0D"},
        {"05.10.00", "\x41\x31\x30\x30\x30\x0D"}, // hour digits never reach the display
    };
    for (const auto& [text, bytes] : frames) {
        port.clearLog();
        display(text);
        display(text);
        EXPECT_EQ(port.sent(), bytes) << text;
    }
    port.clearLog();
    form.Clock1.setClockTimeText("00.00.02");
    form.Label2.setCaption("00.00.30");
    EXPECT_EQ(port.sent(), "A0002\r");

    port.clearLog();
    link.closeAtExit();
    EXPECT_EQ(port.log(), std::vector<std::string>{"PortOpen 0 ok"});
}

TEST_F(SerialDisplayLinkTest, WithoutAPortTheWindowLoadsSilentlyAndFramesWaitForAChosenPort) {
    port.makeAvailable({});
    link.openAtStartUp();
    loadStartUpState(form);
    display("00.00.29");
    EXPECT_EQ(port.sent(), "");
    EXPECT_TRUE(messageBoxes.shown().empty());

    port.makeAvailable({2});
    chooseText("2");
    EXPECT_EQ(messageBoxes.shown(), std::vector<MessageBoxRequest>{selected("2")});
    display("00.00.28");
    EXPECT_EQ(port.sent(), "A0028\r");
}

struct PortChoiceCase {
    const char* name;
    std::set<std::int16_t> available;
    std::string comboText;
    std::vector<MessageBoxRequest> messages;
    bool openAfterwards;
    std::int16_t portAfterwards;

    friend void PrintTo(const PortChoiceCase& row, std::ostream* out) { *out << row.name; }
};

class PortChoiceTest : public SerialDisplayLinkTest,
                       public ::testing::WithParamInterface<PortChoiceCase> {};

TEST_P(PortChoiceTest, MovesTheLinkAndTellsTheOperator) {
    const PortChoiceCase& choice = GetParam();
    port.makeAvailable(choice.available);
    link.openAtStartUp();
    chooseText(choice.comboText);

    EXPECT_EQ(messageBoxes.shown(), choice.messages);
    EXPECT_EQ(port.portOpen(), choice.openAfterwards);
    EXPECT_EQ(port.commPort(), choice.portAfterwards);
    EXPECT_EQ(form.Combo1.text(), std::to_string(choice.portAfterwards));
    // Whatever the text was, no port number other than the chosen one or 1 reaches the port.
    for (const std::string& entry : port.log()) {
        if (entry.rfind("CommPort ", 0) == 0) {
            EXPECT_TRUE(entry == "CommPort 1" || entry == "CommPort " + choice.comboText) << entry;
        }
    }
    display("00.00.07");
    EXPECT_EQ(port.sent(), choice.openAfterwards ? "A0007\r" : "");
}

const std::vector<MessageBoxRequest> kFellBackToPortOne{kUnavailable, selected("1")};

INSTANTIATE_TEST_SUITE_P(
    Choices, PortChoiceTest,
    ::testing::Values(PortChoiceCase{"TheOpenPort", {1, 2}, "1", {selected("1")}, true, 1},
                      PortChoiceCase{"AnotherPort", {1, 3}, "3", {selected("3")}, true, 3},
                      PortChoiceCase{
                          "AbsentPortFallsBackToOne", {1}, "4", kFellBackToPortOne, true, 1},
                      PortChoiceCase{"AbsentPortAndNoPortOne", {2}, "4", {kUnavailable}, false, 1},
                      PortChoiceCase{"Empty", {1, 2}, "", kFellBackToPortOne, true, 1},
                      PortChoiceCase{"Letters", {1, 2}, "COM2", kFellBackToPortOne, true, 1},
                      PortChoiceCase{"TrailingLetters", {1, 2}, "2x", kFellBackToPortOne, true, 1},
                      PortChoiceCase{"Zero", {1, 2}, "0", kFellBackToPortOne, true, 1},
                      PortChoiceCase{"TooLarge", {1, 2}, "32768", kFellBackToPortOne, true, 1}),
    [](const ::testing::TestParamInfo<PortChoiceCase>& choice) { return choice.param.name; });

} // namespace
} // namespace aerolap::testing
