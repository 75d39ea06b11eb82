#include "app/CommandLine.h"

#include <gtest/gtest.h>
#include <ostream>

namespace aerolap {
namespace {

struct Refused {
    const char* name;
    std::vector<std::string> arguments;
    friend void PrintTo(const Refused& row, std::ostream* out) { *out << row.name; }
};

class BadArguments : public ::testing::TestWithParam<Refused> {};

// A bad option or value ends the program with status 2 and the usage, before any window.
TEST_P(BadArguments, ExitWithStatusTwoAndTheUsage) {
    std::vector<std::string> arguments{"aerolap"};
    arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    EXPECT_FALSE(parsed.options);
    EXPECT_EQ(parsed.exitStatus, 2);
    EXPECT_NE(parsed.message.find("Usage: aerolap"), std::string::npos) << parsed.message;
}

INSTANTIATE_TEST_SUITE_P(
    , BadArguments,
    ::testing::Values(Refused{"UnknownOption", {"--fly"}}, Refused{"StrayArgument", {"x"}},
                      Refused{"SoundsWithoutFolder", {"--sounds"}},
                      Refused{"ComWithoutDevice", {"--com", "1="}},
                      Refused{"ComWithoutNumber", {"--com", "=/dev/ttyUSB0"}},
                      Refused{"ComPortZero", {"--com", "0=/dev/ttyUSB0"}},
                      Refused{"ComPortTooHigh", {"--com", "32768=/dev/ttyUSB0"}},
                      Refused{"PlayAlone", {"--play"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CommandLine, ReadsEveryOptionAndAnswersHelpAndVersion) {
    const ParsedCommandLine parsed =
        parseCommandLine({"aerolap", "--sounds", "/srv/sounds", "--com", "1=/dev/ttyUSB0", "--com",
                          "32767=/dev/x", "--check-sounds", "--play"});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->soundFolder, std::filesystem::path("/srv/sounds"));
    EXPECT_EQ(parsed.options->serialDevices,
              (std::map<int, std::string>{{1, "/dev/ttyUSB0"}, {32767, "/dev/x"}}));
    EXPECT_TRUE(parsed.options->checkSounds);
    EXPECT_TRUE(parsed.options->playSounds);

    const ParsedCommandLine plain = parseCommandLine({"aerolap"});
    ASSERT_TRUE(plain.options);
    EXPECT_FALSE(plain.options->soundFolder || plain.options->checkSounds);

    const ParsedCommandLine version = parseCommandLine({"aerolap", "--version"});
    EXPECT_EQ(version.message, "Aerolap 3.4.2\n");
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_NE(parseCommandLine({"aerolap", "--help"}).message.find("--check-sounds"),
              std::string::npos);
}

} // namespace
} // namespace aerolap
