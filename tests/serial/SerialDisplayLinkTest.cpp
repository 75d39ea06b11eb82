#include "serial/SerialDisplayLink.h"

#include "ScriptedMessageBoxes.h"
#include "ScriptedSerialPort.h"
#include "VirtualTime.h"
#include "engine/StartUpState.h"

#include <algorithm>
#include <gtest/gtest.h>

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

struct FrameCase {
    const char* timeText;
    std::string bytes;
};

class FrameTest : public SerialDisplayLinkTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(FrameTest, SendsMinutesAndSecondsOfTheRunningClock) {
    link.openAtStartUp();
    display(GetParam().timeText);
    EXPECT_EQ(port.sent(), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(TimeTexts, FrameTest,
                         ::testing::Values(FrameCase{"00.00.10", "\x41\x30\x30\x31\x30\x0D"},
                                           FrameCase{"00.09.03", "\x41\x30\x39\x30\x33\x0D"},
                                           FrameCase{"00.10.00", "\x41\x31\x30\x30\x30\x0D"},
                                           FrameCase{"05.10.00", "\x41\x31\x30\x30\x30\x0D"},
                                           FrameCase{"23.59.59", "\x41\x35\x39\x35\x39\x0D"}));

TEST_F(SerialDisplayLinkTest, FrameFollowsTheRunningClockNotTheCaption) {
    link.openAtStartUp();
    form.Clock1.setClockTimeText("00.09.03");
    form.Label2.setCaption("00.00.30");
    EXPECT_EQ(port.sent(), "A0903\r");
}

TEST_F(SerialDisplayLinkTest, OneFramePerCaptionChangeAndNoneForTheSameCaption) {
    link.openAtStartUp();
    display("00.00.02");
    display("00.00.02");
    display("00.00.01");
    EXPECT_EQ(port.sent(), "A0002\rA0001\r");
}

TEST_F(SerialDisplayLinkTest, OpensPortOneAtStartUpInOrder) {
    link.openAtStartUp();
    EXPECT_EQ(port.log(),
              (std::vector<std::string>{"CommPort 1", "Settings 9600,n,8,1", "PortOpen 1 ok"}));
    EXPECT_TRUE(port.portOpen());
    EXPECT_TRUE(messageBoxes.shown().empty());
}

TEST_F(SerialDisplayLinkTest, ClosesThePortAtExit) {
    link.openAtStartUp();
    port.clearLog();
    link.closeAtExit();
    EXPECT_EQ(port.log(), std::vector<std::string>{"PortOpen 0 ok"});
    EXPECT_FALSE(port.portOpen());
}

TEST_F(SerialDisplayLinkTest, WithoutAPortAtStartUpFramesAreDroppedUntilAPortIsChosen) {
    port.makeAvailable({});
    link.openAtStartUp();
    display("00.00.29");
    EXPECT_EQ(port.sent(), "");
    EXPECT_TRUE(messageBoxes.shown().empty());

    port.makeAvailable({2});
    chooseText("2");
    EXPECT_EQ(messageBoxes.shown(), std::vector<MessageBoxRequest>{selected("2")});
    display("00.00.28");
    EXPECT_EQ(port.sent(), "A0028\r");
}

TEST_F(SerialDisplayLinkTest, ChoosingTheOpenPortClosesAndReopensIt) {
    link.openAtStartUp();
    port.clearLog();
    form.Combo1.choose(0);
    EXPECT_EQ(port.log(),
              (std::vector<std::string>{"PortOpen 0 ok", "CommPort 1", "PortOpen 1 ok"}));
    EXPECT_EQ(messageBoxes.shown(), std::vector<MessageBoxRequest>{selected("1")});
}

struct PortChoiceCase {
    const char* name;
    std::set<std::int16_t> available;
    std::string comboText;
    std::vector<MessageBoxRequest> messages;
    bool openAfterwards;
    std::int16_t portAfterwards;
    std::string comboAfterwards;
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
    EXPECT_EQ(form.Combo1.text(), choice.comboAfterwards);
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
    ::testing::Values(
        PortChoiceCase{"AnotherPort", {1, 3}, "3", {selected("3")}, true, 3, "3"},
        PortChoiceCase{"AbsentPortFallsBackToOne", {1}, "4", kFellBackToPortOne, true, 1, "1"},
        PortChoiceCase{"AbsentPortAndNoPortOne", {2}, "4", {kUnavailable}, false, 1, "1"},
        PortChoiceCase{"Empty", {1, 2}, "", kFellBackToPortOne, true, 1, "1"},
        PortChoiceCase{"Letters", {1, 2}, "COM2", kFellBackToPortOne, true, 1, "1"},
        PortChoiceCase{"TrailingLetters", {1, 2}, "2x", kFellBackToPortOne, true, 1, "1"},
        PortChoiceCase{"LeadingBlank", {1, 2}, " 2", kFellBackToPortOne, true, 1, "1"},
        PortChoiceCase{"Zero", {1, 2}, "0", kFellBackToPortOne, true, 1, "1"},
        PortChoiceCase{"Negative", {1, 2}, "-2", kFellBackToPortOne, true, 1, "1"},
        PortChoiceCase{"TooLarge", {1, 2}, "32768", kFellBackToPortOne, true, 1, "1"},
        PortChoiceCase{"FarTooLarge", {1, 2}, "99999999999", kFellBackToPortOne, true, 1, "1"},
        PortChoiceCase{"LargestButAbsent", {1}, "32767", kFellBackToPortOne, true, 1, "1"},
        PortChoiceCase{"BadTextAndNoPortOne", {}, "x", {kUnavailable}, false, 1, "1"}),
    [](const ::testing::TestParamInfo<PortChoiceCase>& choice) { return choice.param.name; });

// The load sequence opens the port before it writes the display for the first time.
void loadLikeTheWindow(SerialDisplayLink& link, Form1& form) {
    link.openAtStartUp();
    loadStartUpState(form);
}

TEST_F(SerialDisplayLinkTest, FirstFrameCarriesTheRunningClockAsItWasBeforeLoading) {
    loadLikeTheWindow(link, form);
    EXPECT_EQ(port.sent(), "A0000\r");
    EXPECT_EQ(form.Label2.caption(), "00.00.30");
}

TEST_F(SerialDisplayLinkTest, WithoutAnyPortTheWindowLoadsSilently) {
    port.makeAvailable({});
    loadLikeTheWindow(link, form);
    EXPECT_EQ(port.sent(), "");
    EXPECT_TRUE(messageBoxes.shown().empty());
    EXPECT_EQ(form.Label2.caption(), "00.00.30");
}

} // namespace
} // namespace aerolap::testing
