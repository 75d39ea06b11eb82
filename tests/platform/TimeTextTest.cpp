#include "platform/TimeText.h"

#include <gtest/gtest.h>

namespace aerolap {
namespace {

TEST(TimeText, ReadsOnlyWellFormedTexts) {
    struct Case {
        const char* text;
        std::optional<int> seconds;
    };
    const Case cases[] = {
        {"00.00.00", 0},
        {"00.00.30", 30},
        {"00.10.00", 600},
        {"01.02.03", 3723},
        {"23.59.59", 86399},
        {"00:00:30", std::nullopt},
        {"0.00.30", std::nullopt},
        {"00.60.00", std::nullopt},
        {"00.00.60", std::nullopt},
        {"24.00.00", std::nullopt},
        {"", std::nullopt},
        {"00.0a.30", std::nullopt},
        {"00.00.300", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TimeText::toSeconds(c.text), c.seconds) << c.text;
    }
}

TEST(TimeText, WritesTwoDigitsEachAndClampsToTheClockRange) {
    EXPECT_EQ(TimeText::fromSeconds(0), "00.00.00");
    EXPECT_EQ(TimeText::fromSeconds(543), "00.09.03");
    EXPECT_EQ(TimeText::fromSeconds(3600 + 61), "01.01.01");
    EXPECT_EQ(TimeText::fromSeconds(-5), "00.00.00");
    EXPECT_EQ(TimeText::fromSeconds(100000), "23.59.59");
}

TEST(TimeText, AcceptsWhatAnOperatorTypes) {
    struct Case {
        const char* typed;
        std::optional<std::string> text;
    };
    const Case cases[] = {
        {"00.01.30", "00.01.30"}, {"000130", "00.01.30"},      {"0.1.30", "00.01.30"},
        {"00.01.5", "00.01.05"},  {"130", std::nullopt},       {"00.61.00", std::nullopt},
        {"00..30", std::nullopt}, {"00.01.30.", std::nullopt}, {"ab.cd.ef", std::nullopt},
        {"", std::nullopt},       {"001.01.30", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TimeText::fromTyped(c.typed), c.text) << c.typed;
    }
}

} // namespace
} // namespace aerolap
