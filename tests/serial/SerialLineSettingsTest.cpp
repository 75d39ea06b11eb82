#include "platform/SerialLineSettings.h"

#include <gtest/gtest.h>

namespace aerolap {
namespace {

struct SettingsCase {
    const char* text;
    std::optional<SerialLineSettings> settings;
};

class SerialLineSettingsTest : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(SerialLineSettingsTest, ReadsTheSettingsText) {
    EXPECT_EQ(SerialLineSettings::parse(GetParam().text), GetParam().settings);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SerialLineSettingsTest,
    ::testing::Values(
        SettingsCase{"9600,n,8,1",
                     SerialLineSettings{9600, SerialParity::None, 8, SerialStopBits::One}},
        SettingsCase{"19200,E,7,2",
                     SerialLineSettings{19200, SerialParity::Even, 7, SerialStopBits::Two}},
        SettingsCase{"300,o,5,1.5",
                     SerialLineSettings{300, SerialParity::Odd, 5, SerialStopBits::OneAndHalf}},
        SettingsCase{"1200,S,8,1",
                     SerialLineSettings{1200, SerialParity::Space, 8, SerialStopBits::One}},
        SettingsCase{"", std::nullopt}, SettingsCase{"9600,n,8", std::nullopt},
        SettingsCase{"9600,n,8,1,", std::nullopt}, SettingsCase{"fast,n,8,1", std::nullopt},
        SettingsCase{"0,n,8,1", std::nullopt}, SettingsCase{"99999999999,n,8,1", std::nullopt},
        SettingsCase{"9600,x,8,1", std::nullopt}, SettingsCase{"9600,n,9,1", std::nullopt},
        SettingsCase{"9600,n,8,3", std::nullopt}, SettingsCase{"9600, n,8,1", std::nullopt}));

} // namespace
} // namespace aerolap
