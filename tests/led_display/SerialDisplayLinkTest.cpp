#include "led_display/SerialDisplayLink.h"

#include "RecordingSerialPort.h"
#include "ScriptedMessageBoxes.h"
#include "VirtualTime.h"

#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

class SerialDisplayLinkTest : public ::testing::Test {
protected:
    void show(const std::string& text) {
        form.Clock1.setClockTimeText(text);
        form.Label2.setCaption(text);
    }

    VirtualTime time;
    Form1 form{time};
    RecordingSerialPort port{time};
    ScriptedMessageBoxes boxes;
    SerialDisplayLink link{form, port, boxes};
};

TEST_F(SerialDisplayLinkTest, SendsTheRunningClocksMinutesAndSecondsOncePerCaptionChange) {
    link.openAtStartUp();
    for (const char* text : {"00.00.10", "00.00.10", "00.09.03", "05.10.00"}) {
        show(text);
    }
    form.Clock1.setClockTimeText("00.00.02");
    form.Label2.setCaption("00.00.30"); // the frame follows the clock, not the caption
    EXPECT_EQ(port.sent(), "A0010\rA0903\rA1000\rA0002\r");
    link.closeAtExit();
    show("00.00.05");
    EXPECT_EQ(port.log, "port 1,9600,n,8,1,open,close,");
    EXPECT_EQ(port.sent(), "A0010\rA0903\rA1000\rA0002\r");
}

// A port lost while the timer runs is never a box in front of the cycle: frames are dropped
// while it is gone and go out again once it is back.
TEST_F(SerialDisplayLinkTest, ALostPortShowsNoBoxAndFramesResumeWhenItIsBack) {
    link.openAtStartUp();
    show("00.00.10");
    port.isOpen = false;
    show("00.00.09");
    show("00.00.08");
    port.isOpen = true;
    show("00.00.07");
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(port.sent(), "A0010\rA0007\r");
}

struct PortChoice {
    const char* name;
    std::set<std::int16_t> available;
    const char* text;
    const char* messages; // "!" the port is not available, "s" the port now selected, or both
    std::int16_t portAfterwards;
    friend void PrintTo(const PortChoice& row, std::ostream* out) { *out << row.name; }
};

class PortChoiceTest : public SerialDisplayLinkTest,
                       public ::testing::WithParamInterface<PortChoice> {};

TEST_P(PortChoiceTest, MovesTheLinkAndTellsTheOperator) {
    const PortChoice& row = GetParam();
    port.available = row.available;
    link.openAtStartUp();
    ASSERT_TRUE(boxes.shown().empty()) << "a failed start-up is silent";
    form.Combo1.setText(row.text);
    form.Combo1.clicked.emit();

    const std::string number = std::to_string(row.portAfterwards);
    const MessageBoxRequest no{"La porta non è disponibile", "InfoPort", MessageIcon::Critical},
        yes{"La porta selezionata è la COM" + number, "InfoPort", MessageIcon::Information};
    std::vector<MessageBoxRequest> expected;
    for (const char message : std::string_view(row.messages)) {
        expected.push_back(message == '!' ? no : yes);
    }
    EXPECT_EQ(boxes.shown(), expected);
    EXPECT_EQ(form.Combo1.text(), number);
    EXPECT_EQ(port.port, row.portAfterwards);
    EXPECT_EQ(port.log.find("open,port"), std::string::npos) << "let go of a port before the next";
    show("00.00.07");
    EXPECT_EQ(port.sent(), row.available.contains(row.portAfterwards) ? "A0007\r" : "");
}

const PortChoice kChoices[] = {
    {"TheOpenPort", {1, 2}, "1", "s", 1},         {"AnotherPort", {1, 3}, "3", "s", 3},
    {"AfterAFailedStartUp", {2}, "2", "s", 2},    {"AbsentPortFallsBackToOne", {1}, "4", "!s", 1},
    {"AbsentPortAndNoPortOne", {2}, "4", "!", 1}, {"Empty", {1}, "", "!s", 1},
    {"TrailingLetters", {1, 2}, "2x", "!s", 1},   {"Zero", {1}, "0", "!s", 1},
    {"TooLarge", {1}, "32768", "!s", 1},
};
INSTANTIATE_TEST_SUITE_P(Choices, PortChoiceTest, ::testing::ValuesIn(kChoices),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace aerolap::testing
