#include "platform/SerialDeviceNames.h"

#include <gtest/gtest.h>
#include <map>

namespace aerolap {
namespace {

struct DeviceNameCase {
    std::int16_t port;
    DeviceNaming naming;
    std::map<std::string, std::string> environment;
    std::optional<std::string> device;
};

class SerialDeviceNameTest : public ::testing::TestWithParam<DeviceNameCase> {};

TEST_P(SerialDeviceNameTest, MapsPortNumbersToDevices) {
    const DeviceNameCase& entry = GetParam();
    std::vector<std::string> askedFor;
    const EnvironmentLookup environment =
        [&](const std::string& name) -> std::optional<std::string> {
        askedFor.push_back(name);
        const auto found = entry.environment.find(name);
        if (found == entry.environment.end()) {
            return std::nullopt;
        }
        return found->second;
    };
    EXPECT_EQ(serialDeviceName(entry.port, entry.naming, environment), entry.device);
    // Only the variable of the port in question is ever consulted.
    for (const std::string& name : askedFor) {
        EXPECT_EQ(name, "AEROLAP_COM" + std::to_string(entry.port));
    }
}

const std::map<std::string, std::string> kUsbAdapterOnPortOne{{"AEROLAP_COM1", "/dev/ttyUSB0"}};

INSTANTIATE_TEST_SUITE_P(
    Ports, SerialDeviceNameTest,
    ::testing::Values(DeviceNameCase{1, DeviceNaming::Windows, {}, "COM1"},
                      DeviceNameCase{12, DeviceNaming::Windows, kUsbAdapterOnPortOne, "COM12"},
                      DeviceNameCase{1, DeviceNaming::Posix, {}, "/dev/ttyS0"},
                      DeviceNameCase{1, DeviceNaming::Posix, kUsbAdapterOnPortOne, "/dev/ttyUSB0"},
                      DeviceNameCase{2, DeviceNaming::Posix, kUsbAdapterOnPortOne, "/dev/ttyS1"},
                      DeviceNameCase{3, DeviceNaming::Posix, {{"AEROLAP_COM3", ""}}, "/dev/ttyS2"},
                      DeviceNameCase{
                          0, DeviceNaming::Posix, {{"AEROLAP_COM0", "/dev/null"}}, std::nullopt},
                      DeviceNameCase{-1, DeviceNaming::Windows, {}, std::nullopt}));

} // namespace
} // namespace aerolap
