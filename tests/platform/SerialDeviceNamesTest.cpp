#include "platform/SerialDeviceNames.h"

#include <gtest/gtest.h>
#include <map>

namespace aerolap {
namespace {

TEST(SerialDeviceName, MapsPortNumbersToDevicesThroughTheirOwnVariableOnly) {
    const std::map<std::string, std::string> environment{
        {"AEROLAP_COM1", "/dev/ttyUSB0"}, {"AEROLAP_COM3", ""}, {"AEROLAP_COM0", "/dev/null"}};
    const struct {
        std::int16_t port;
        DeviceNaming naming;
        std::optional<std::string> device;
    } cases[] = {
        {12, DeviceNaming::Windows, "COM12"},      {1, DeviceNaming::Windows, "COM1"},
        {1, DeviceNaming::Posix, "/dev/ttyUSB0"},  {2, DeviceNaming::Posix, "/dev/ttyS1"},
        {3, DeviceNaming::Posix, "/dev/ttyS2"},    {0, DeviceNaming::Posix, std::nullopt},
        {-1, DeviceNaming::Windows, std::nullopt},
    };
    for (const auto& c : cases) {
        const std::string own = "AEROLAP_COM" + std::to_string(c.port);
        const EnvironmentLookup lookup =
            [&](const std::string& name) -> std::optional<std::string> {
            EXPECT_EQ(name, own);
            return environment.contains(name) ? std::optional(environment.at(name)) : std::nullopt;
        };
        EXPECT_EQ(serialDeviceName(c.port, c.naming, lookup), c.device) << own;
    }
}

} // namespace
} // namespace aerolap
