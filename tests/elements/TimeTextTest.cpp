#include "elements/TimeText.h"

#include <gtest/gtest.h>

namespace aerolap {
namespace {

TEST(TimeText, ReadsWritesAndAcceptsTypedTexts) {
    const std::pair<const char*, std::optional<int>> read[] = {
        {"00.00.30", 30},           {"01.02.03", 3723},        {"23.59.59", 86399},
        {"00:00:30", std::nullopt}, {"0.00.30", std::nullopt}, {"00.60.00", std::nullopt},
        {"24.00.00", std::nullopt}, {"", std::nullopt},        {"00.00.300", std::nullopt},
    };
    for (const auto& [text, seconds] : read) {
        EXPECT_EQ(TimeText::toSeconds(text), seconds) << text;
    }
    const std::pair<int, const char*> written[] = {
        {0, "00.00.00"}, {3661, "01.01.01"}, {-5, "00.00.00"}, {100000, "23.59.59"}};
    for (const auto& [seconds, text] : written) {
        EXPECT_EQ(TimeText::fromSeconds(seconds), text) << seconds;
    }
    const std::pair<const char*, std::optional<std::string>> typed[] = {
        {"000130", "00.01.30"},      {"0.1.30", "00.01.30"},      {"00.01.5", "00.01.05"},
        {"130", std::nullopt},       {"00.61.00", std::nullopt},  {"00..30", std::nullopt},
        {"00.01.30.", std::nullopt}, {"001.01.30", std::nullopt},
    };
    for (const auto& [text, accepted] : typed) {
        EXPECT_EQ(TimeText::fromTyped(text), accepted) << text;
    }
}

} // namespace
} // namespace aerolap
