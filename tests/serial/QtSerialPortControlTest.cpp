#include "platform/QtSerialPortControl.h"

#include "PseudoTerminal.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
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
            const auto found = variables.find(name);
            if (found == variables.end()) {
                return std::nullopt;
            }
            return found->second;
        };
    }
    void setDevice(int portNumber, const std::string& device) {
        variables["AEROLAP_COM" + std::to_string(portNumber)] = device;
    }

    termios lineOfDevice() const {
        termios line{};
        EXPECT_EQ(::tcgetattr(display->deviceDescriptor(), &line), 0);
        return line;
    }

    std::map<std::string, std::string> variables;
    std::unique_ptr<PseudoTerminal> display = std::make_unique<PseudoTerminal>();
    QtSerialPortControl port{environment()};

    void SetUp() override { setDevice(1, display->deviceName()); }
};

TEST_F(QtSerialPortControlTest, SendsTheBytesUnchangedOnAnOpenPort) {
    port.setCommPort(1);
    port.setSettings("9600,n,8,1");
    ASSERT_TRUE(port.setPortOpen(true));
    EXPECT_TRUE(port.portOpen());

    // Raw line: a carriage return must not become a line feed, nor the reverse.
    const std::string bytes = kFrame + "\n\x7f";
    port.output(bytes);
    EXPECT_EQ(display->read(bytes.size(), kArrivalTimeout), bytes);
}

// A pseudo-terminal keeps the speed and stop bits it is given but is always 8 bits without
// parity, so those two are what can be checked at the device.
struct LineCase {
    const char* settings;
    speed_t speed;
    bool twoStopBits;
};

class LineSettingsTest : public QtSerialPortControlTest,
                         public ::testing::WithParamInterface<LineCase> {};

TEST_P(LineSettingsTest, AppliesTheSettingsTextToTheLine) {
    const LineCase& line = GetParam();
    port.setCommPort(1);
    port.setSettings(line.settings);
    ASSERT_TRUE(port.setPortOpen(true));

    const termios applied = lineOfDevice();
    EXPECT_EQ(::cfgetospeed(&applied), line.speed);
    EXPECT_EQ((applied.c_cflag & CSTOPB) != 0, line.twoStopBits);
    EXPECT_EQ(applied.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
}

INSTANTIATE_TEST_SUITE_P(Settings, LineSettingsTest,
                         ::testing::Values(LineCase{"9600,n,8,1", B9600, false},
                                           LineCase{"19200,e,7,2", B19200, true}));

TEST_F(QtSerialPortControlTest, ATextThatDescribesNoLineLeavesTheLineAsItWas) {
    port.setCommPort(1);
    port.setSettings("19200,n,8,2");
    port.setSettings("fast");
    ASSERT_TRUE(port.setPortOpen(true));

    const termios applied = lineOfDevice();
    EXPECT_EQ(::cfgetospeed(&applied), static_cast<speed_t>(B19200));
    EXPECT_NE(applied.c_cflag & CSTOPB, 0U);
}

TEST_F(QtSerialPortControlTest, OpeningFailsOnAnAbsentOrInvalidPort) {
    setDevice(2, "/dev/aerolap-no-such-device");
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

    QtSerialPortControl other{environment()};
    other.setCommPort(1);
    EXPECT_FALSE(other.setPortOpen(true));

    // Once released, the port can be taken.
    ASSERT_TRUE(port.setPortOpen(false));
    EXPECT_FALSE(port.portOpen());
    EXPECT_TRUE(other.setPortOpen(true));
}

TEST_F(QtSerialPortControlTest, SelectsTheDeviceOfTheCurrentPortNumberAtEachOpening) {
    PseudoTerminal second;
    setDevice(3, second.deviceName());

    port.setCommPort(1);
    ASSERT_TRUE(port.setPortOpen(true));
    port.setPortOpen(false);
    port.setCommPort(3);
    ASSERT_TRUE(port.setPortOpen(true));
    port.output(kFrame);

    EXPECT_EQ(second.read(kFrame.size(), kArrivalTimeout), kFrame);
    EXPECT_EQ(display->readWhatArrived(), "");
}

TEST_F(QtSerialPortControlTest, ADeviceThatGoesAwayClosesThePortAndCanBeOpenedAgainLater) {
    port.setCommPort(1);
    ASSERT_TRUE(port.setPortOpen(true));
    display->closeFarEnd();

    port.output(kFrame);
    display->readWhatArrived();
    EXPECT_FALSE(port.portOpen());
    port.output(kFrame);
    EXPECT_FALSE(port.portOpen());

    // The adapter is plugged in again and shows up as a new device.
    display = std::make_unique<PseudoTerminal>();
    setDevice(1, display->deviceName());
    ASSERT_TRUE(port.setPortOpen(true));
    port.output(kFrame);
    EXPECT_EQ(display->read(kFrame.size(), kArrivalTimeout), kFrame);
}

} // namespace
} // namespace aerolap::testing
