#include "PseudoTerminal.h"
#include "systems/qt/QtSerialPortControl.h"

#include <gtest/gtest.h>
#include <termios.h>

namespace aerolap::testing {
namespace {

/// Ports 1 and 3 are pseudo-terminals, port 2 names a device that is not there.
class QtSerialPortTest : public ::testing::Test {
protected:
    PseudoTerminal display, replugged;
    const SerialDevices devices = {
        {1, display.deviceName}, {2, "/dev/aerolap-none"}, {3, replugged.deviceName}};
    std::vector<std::string> notices;
    const QtSerialPortControl::Notice notice = [this](const Message& line) {
        notices.push_back(sourceText(line));
    };
    QtSerialPortControl port{DeviceNaming::Posix, SerialAccess::WriteOnly, devices, notice},
        other{DeviceNaming::Posix, SerialAccess::WriteOnly, devices, notice};
};

// A pseudo-terminal keeps the speed and stop bits it is given but is always 8 bits without
// parity, so those two are what can be checked at the device.
TEST_F(QtSerialPortTest, AppliesTheSettingsAndSendsTheBytesUnchanged) {
    for (const auto& [settings, speed, twoStopBits] :
         {std::tuple{"9600,n,8,1", B9600, false}, {"19200,e,7,2", B19200, true}}) {
        port.setCommPort(1);
        port.setSettings(settings);
        ASSERT_TRUE(port.setPortOpen(true));
        termios line{};
        ASSERT_EQ(::tcgetattr(display.device, &line), 0);
        EXPECT_EQ(::cfgetospeed(&line), speed);
        EXPECT_EQ((line.c_cflag & CSTOPB) != 0, twoStopBits);
        // A raw line: no carriage return becomes a line feed.
        EXPECT_TRUE(port.output("A0930\r\n\x7f"));
        EXPECT_EQ(display.read(8), "A0930\r\n\x7f");
        ASSERT_TRUE(port.setPortOpen(false));
    }
}

TEST_F(QtSerialPortTest, OpensAPresentPortNoOtherHolderHasAndClosesWhenItIsPulledOut) {
    for (const std::int16_t absent : {std::int16_t{2}, std::int16_t{0}}) {
        port.setCommPort(absent);
        EXPECT_FALSE(port.setPortOpen(true) || port.portOpen()) << absent;
    }
    EXPECT_FALSE(port.output("A0000\r")) << "nothing goes out, and nothing breaks";
    EXPECT_TRUE(notices.empty()) << "a port that is not there needs no word";
    port.setCommPort(1);
    other.setCommPort(1);
    ASSERT_TRUE(port.setPortOpen(true));
    EXPECT_FALSE(other.setPortOpen(true));
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].rfind("Serial port " + display.deviceName + " could not be opened: ", 0),
              0u)
        << notices[0];
    ASSERT_TRUE(port.setPortOpen(false));
    ASSERT_TRUE(other.setPortOpen(true) && !port.portOpen());

    ::close(std::exchange(display.farEnd, -1));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !other.output("A0000\r"); }, 10000))
        << "a port that lost its device takes no frame";
    EXPECT_FALSE(other.portOpen());
    other.setCommPort(3);
    ASSERT_TRUE(other.setPortOpen(true));
    EXPECT_TRUE(other.output("A0001\r"));
    EXPECT_EQ(replugged.read(6), "A0001\r");
}

// Opened for reading too, as on Windows: what the far end sends is read and dropped, and the
// frames still go out.
TEST_F(QtSerialPortTest, OpenedForBothDropsWhatComesBackAndStillSends) {
    QtSerialPortControl both{DeviceNaming::Posix, SerialAccess::ReadWrite, devices, notice};
    both.setCommPort(1);
    ASSERT_TRUE(both.setPortOpen(true));
    const std::string chatter(4096, 'x');
    ASSERT_EQ(::write(display.farEnd, chatter.data(), chatter.size()),
              static_cast<ssize_t>(chatter.size()));
    QTest::qWait(200);
    both.output("A0102\r");
    EXPECT_EQ(display.read(6), "A0102\r");
    EXPECT_TRUE(both.portOpen());
}

} // namespace
} // namespace aerolap::testing
