#include "platform/SerialDeviceNames.h"
#include "platform/SerialLineSettings.h"
#include "platform/WavFileImage.h"

#include <gtest/gtest.h>

namespace aerolap {
namespace {

TEST(SerialDeviceName, IsTheDeviceNamedForThePortOrTheSystemsNameForThePort) {
    const SerialDevices named = {{1, "/dev/ttyUSB0"}, {4, "COM7"}};
    const std::tuple<std::int16_t, DeviceNaming, std::optional<std::string>> cases[] = {
        {12, DeviceNaming::Windows, "COM12"},   {1, DeviceNaming::Posix, "/dev/ttyUSB0"},
        {2, DeviceNaming::Posix, "/dev/ttyS1"}, {3, DeviceNaming::Posix, "/dev/ttyS2"},
        {3, DeviceNaming::Windows, "COM3"},     {4, DeviceNaming::Windows, "COM7"},
        {0, DeviceNaming::Posix, std::nullopt}, {-1, DeviceNaming::Windows, std::nullopt}};
    for (const auto& [port, naming, device] : cases) {
        EXPECT_EQ(serialDeviceName(port, naming, named), device) << port;
    }
}

// What PlaySound takes from memory: a RIFF file whose format chunk describes the samples exactly,
// then the samples unchanged.
TEST(WavFileImage, HoldsTheSamplesBehindAHeaderThatDescribesThem) {
    const auto le = [](std::initializer_list<unsigned> bytes) {
        return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
    };
    const auto text = [](const char* tag) { return std::vector<std::uint8_t>(tag, tag + 4); };
    const auto join = [](std::initializer_list<std::vector<std::uint8_t>> parts) {
        std::vector<std::uint8_t> all;
        for (const auto& part : parts) {
            all.insert(all.end(), part.begin(), part.end());
        }
        return all;
    };
    const PcmSound mono{SampleFormat::Signed16LittleEndian, 22050, 1, {0x01, 0x02, 0xfe, 0xff}};
    EXPECT_EQ(wavFileImage(mono),
              join({text("RIFF"), le({40, 0, 0, 0}), text("WAVE"), text("fmt "), le({16, 0, 0, 0}),
                    le({1, 0}), le({1, 0}), le({0x22, 0x56, 0, 0}), le({0x44, 0xac, 0, 0}),
                    le({2, 0}), le({16, 0}), text("data"), le({4, 0, 0, 0}), mono.bytes}));
    const PcmSound stereo8{SampleFormat::Unsigned8, 8000, 2, {0x80, 0x7f}};
    EXPECT_EQ(wavFileImage(stereo8),
              join({text("RIFF"), le({38, 0, 0, 0}), text("WAVE"), text("fmt "), le({16, 0, 0, 0}),
                    le({1, 0}), le({2, 0}), le({0x40, 0x1f, 0, 0}), le({0x80, 0x3e, 0, 0}),
                    le({2, 0}), le({8, 0}), text("data"), le({2, 0, 0, 0}), stereo8.bytes}));
}

TEST(SerialLineSettings, ReadsOnlyWellFormedSettingsTexts) {
    using P = SerialParity;
    using S = SerialStopBits;
    const std::pair<const char*, std::optional<SerialLineSettings>> cases[] = {
        {"9600,n,8,1", SerialLineSettings{9600, P::None, 8, S::One}},
        {"19200,E,7,2", SerialLineSettings{19200, P::Even, 7, S::Two}},
        {"300,o,5,1.5", SerialLineSettings{300, P::Odd, 5, S::OneAndHalf}},
        {"1200,S,8,1", SerialLineSettings{1200, P::Space, 8, S::One}},
        {"1200,m,6,1", SerialLineSettings{1200, P::Mark, 6, S::One}},
    };
    for (const auto& [text, settings] : cases) {
        EXPECT_EQ(SerialLineSettings::parse(text), settings) << text;
    }
    for (const char* text :
         {"", "9600,n,8", "9600,n,8,1,", "fast,n,8,1", "0,n,8,1", "9600,x,8,1", "9600,nn,8,1",
          "9600,n,4,1", "9600,n,9,1", "9600,n,8,3", "9600, n,8,1", "96x0,n,8,1"}) {
        EXPECT_EQ(SerialLineSettings::parse(text), std::nullopt) << text;
    }
}

} // namespace
} // namespace aerolap
