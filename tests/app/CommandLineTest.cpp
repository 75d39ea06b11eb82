#include "app/CommandLine.h"

#include <gtest/gtest.h>
#include <ranges>

namespace aerolap {
namespace {

ParsedCommandLine parse(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "aerolap");
    return parseCommandLine(arguments);
}

// A bad option or value ends the program with status 2 and the usage, before any window. The
// arguments of each line are parted by "|".
TEST(CommandLine, RefusesBadOptionsWithStatusTwoAndTheUsage) {
    for (const std::string line : {"--fly",
                                   "stray",
                                   "--sounds",
                                   "--com|1=",
                                   "--com|=/dev/x",
                                   "--com|0=/dev/x",
                                   "--com|32768=/dev/x",
                                   "--play",
                                   "--schedule|",
                                   "--web-port|65536",
                                   "--web-port|-1",
                                   "--web-port|80x",
                                   "--html|r.html",
                                   "--late-ms|5",
                                   "--day-report|2026-02-30",
                                   "--day-report|today",
                                   "--day-report|--late-ms|-1",
                                   "--day-report|--html|",
                                   "--day-report|2026-06-13|2026-06-14",
                                   "--remote|no",
                                   "--remote"}) {
        std::vector<std::string> arguments;
        for (const auto word : std::views::split(line, '|')) {
            arguments.emplace_back(word.begin(), word.end());
        }
        const ParsedCommandLine parsed = parse(arguments);
        EXPECT_FALSE(parsed.options) << line;
        EXPECT_EQ(parsed.exitStatus, 2) << line;
        EXPECT_NE(parsed.message.find("Usage: aerolap"), std::string::npos) << line;
    }
}

TEST(CommandLine, ReadsEveryOptionAndAnswersHelpAndVersion) {
    const ParsedCommandLine parsed = parse(
        {"--sounds", "/srv/s", "--com", "1=/dev/ttyUSB0", "--com", "32767=/dev/x", "--check-sounds",
         "--play", "--web-port", "0", "--schedule", "day.json", "--remote", "off"});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->soundFolder, std::filesystem::path("/srv/s"));
    EXPECT_EQ(parsed.options->serialDevices,
              (std::map<int, std::string>{{1, "/dev/ttyUSB0"}, {32767, "/dev/x"}}));
    EXPECT_TRUE(parsed.options->checkSounds && parsed.options->playSounds);
    EXPECT_EQ(parsed.options->webPort, 0);
    EXPECT_EQ(parsed.options->scheduleFile, "day.json");
    EXPECT_FALSE(parsed.options->remote);
    EXPECT_TRUE(parse({"--remote", "on"}).options->remote);
    EXPECT_TRUE(parse({}).options->remote);
    EXPECT_EQ(parse({"--web-port", "65535"}).options->webPort, 65535);
    ASSERT_TRUE(parse({}).options);
    EXPECT_FALSE(parse({}).options->soundFolder || parse({}).options->checkSounds ||
                 parse({}).options->webPort);
    EXPECT_EQ(parse({"--version"}).message, "Aerolap 3.4.2\n");
    EXPECT_EQ(parse({"--help"}).exitStatus, 0);
    EXPECT_NE(parse({"--help"}).message.find("--check-sounds"), std::string::npos);
}

TEST(CommandLine, ReadsTheDayReportWithItsDateItsPageAndItsLateness) {
    const ParsedCommandLine parsed =
        parse({"--day-report", "2026-06-13", "--html", "r.html", "--late-ms", "35"});
    ASSERT_TRUE(parsed.options);
    EXPECT_TRUE(parsed.options->dayReport);
    EXPECT_EQ(parsed.options->reportDate, "2026-06-13");
    EXPECT_EQ(parsed.options->reportPage, "r.html");
    EXPECT_EQ(parsed.options->lateCue, std::chrono::milliseconds(35));
    const ParsedCommandLine today = parse({"--day-report"});
    ASSERT_TRUE(today.options);
    EXPECT_FALSE(today.options->reportDate || today.options->reportPage);
    EXPECT_EQ(today.options->lateCue, std::chrono::milliseconds(20));
}

} // namespace
} // namespace aerolap
