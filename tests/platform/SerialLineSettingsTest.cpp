#include "platform/SerialLineSettings.h"

#include <gtest/gtest.h>

namespace aerolap {
namespace {

TEST(SerialLineSettings, ReadsOnlyWellFormedSettingsTexts) {
    using P = SerialParity;
    using S = SerialStopBits;
    const std::pair<const char*, std::optional<SerialLineSettings>> cases[] = {
        {"9600,n,8,1", SerialLineSettings{9600, P::None, 8, S::One}},
        {"19200,E,7,2", SerialLineSettings{19200, P::Even, 7, S::Two}},
        {"300,o,5,1.5", SerialLineSettings{300, P::Odd, 5, S::OneAndHalf}},
        {"1200,S,8,1", SerialLineSettings{1200, P::Space, 8, S::One}},
        {"1200,m,6,1", SerialLineSettings{1200, P::Mark, 6, S::One}},
        {"", std::nullopt},
        {"9600,n,8", std::nullopt},
        {"9600,n,8,1,", std::nullopt},
        {"fast,n,8,1", std::nullopt},
        {"0,n,8,1", std::nullopt},
        {"99999999999,n,8,1", std::nullopt},
        {"9600,x,8,1", std::nullopt},
        {"9600,n,9,1", std::nullopt},
        {"9600,n,8,3", std::nullopt},
        {"9600, n,8,1", std::nullopt},
    };
    for (const auto& [text, settings] : cases) {
        EXPECT_EQ(SerialLineSettings::parse(text), settings) << text;
    }
}

} // namespace
} // namespace aerolap
