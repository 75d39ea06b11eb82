#include "systems/qt/QtSerialPortControl.h"

#include "PseudoTerminal.h"

#include <gtest/gtest.h>
#include <map>
#include <termios.h>

namespace aerolap::testing {
namespace {

using std::chrono_literals::operator""ms;

constexpr auto kArrivalTimeout = 1000ms;
const std::string kFrame = "A0930\r";

class QtSerialPortControlTest : public ::testing::Test {
protected:
    /// Port numbers reach devices only through the variables the test sets here.
    EnvironmentLookup environment() {
        return [this](const std::string& name) -> std::optional<std::string> {
            return variables.contains(name) ? std::optional(variables.at(name)) : std::nullopt;
        };
    }

    PseudoTerminal display;
    std::map<std::string, std::string> variables{{"AEROLAP_COM1", display.deviceName()},
                                                 {"AEROLAP_COM2", "/dev/aerolap-no-such-device"}};
    QtSerialPortControl port{DeviceNaming::Posix, environment()};
};

// A pseudo-terminal keeps the speed and stop bits it is given but is always 8 bits without
// parity, so those two are what can be checked at the device.
TEST_F(QtSerialPortControlTest, AppliesTheSettingsTextAndSendsTheBytesUnchanged) {
    const std::tuple<const char*, speed_t, bool> lines[] = {{"9600,n,8,1", B9600, false},
                                                            {"19200,e,7,2", B19200, true}};
    for (const auto& [settings, speed, twoStopBits] : lines) {
        port.setCommPort(1);
        port.setSettings(settings);
        ASSERT_TRUE(port.setPortOpen(true));
        termios applied{};
        ASSERT_EQ(::tcgetattr(display.deviceDescriptor(), &applied), 0);
        EXPECT_EQ(::cfgetospeed(&applied), speed);
        EXPECT_EQ((applied.c_cflag & CSTOPB) != 0, twoStopBits);

        // Raw line: a carriage return must not become a line feed, nor the reverse.
        const std::string bytes = kFrame + "\n\x7f";
        port.output(bytes);
        EXPECT_EQ(display.read(bytes.size(), kArrivalTimeout), bytes);
        ASSERT_TRUE(port.setPortOpen(false));
    }
}

TEST_F(QtSerialPortControlTest, OpeningFailsOnAnAbsentOrInvalidPort) {
    port.setCommPort(2);
    EXPECT_FALSE(port.setPortOpen(true));
    EXPECT_FALSE(port.portOpen());

    port.setCommPort(0);
    EXPECT_FALSE(port.setPortOpen(true));
    EXPECT_FALSE(port.portOpen());

    // Nothing is sent, and nothing breaks, while the port is closed.
    port.output(kFrame);
    EXPECT_FALSE(port.portOpen());
}

TEST_F(QtSerialPortControlTest, OpeningFailsWhileAnotherHolderHasThePort) {
    port.setCommPort(1);
    ASSERT_TRUE(port.setPortOpen(true));

    QtSerialPortControl other{DeviceNaming::Posix, environment()};
    other.setCommPort(1);
    EXPECT_FALSE(other.setPortOpen(true));

    // Once released, the port can be taken.
    ASSERT_TRUE(port.setPortOpen(false));
    EXPECT_FALSE(port.portOpen());
    EXPECT_TRUE(other.setPortOpen(true));
}

} // namespace
} // namespace aerolap::testing
