#include "app/CommandLine.h"

#include <cctype>
#include <gtest/gtest.h>
#include <map>
#include <ranges>
#include <sstream>

namespace aerolap {
namespace {

using Variables = std::map<std::string, std::string>;

struct Parsed {
    ParsedCommandLine result;
    std::string warnings;
};

Parsed parse(std::vector<std::string> arguments, const Variables& variables = {}) {
    arguments.insert(arguments.begin(), "aerolap");
    std::ostringstream warnings;
    ParsedCommandLine result = parseCommandLine(
        arguments,
        [&variables](const std::string& name) {
            const auto found = variables.find(name);
            return found == variables.end() ? std::nullopt : std::optional(found->second);
        },
        warnings);
    return {std::move(result), warnings.str()};
}

// A bad option or value ends the program with status 2, the reason and the usage, before any
// window. The arguments of each line are parted by "|".
TEST(CommandLine, RefusesBadOptionsWithStatusTwoTheReasonAndTheUsage) {
    const std::pair<std::string, std::string> lines[] = {
        {"--fly", "Unknown option 'fly'."},
        {"stray", "unexpected argument 'stray'"},
        {"--sounds", "Missing value after '--sounds'."},
        {"--sounds|", "--sounds needs a folder"},
        {"--com|1=", "--com takes n=device with n from 1 to 32767, not '1='"},
        {"--com|=/dev/x", "--com takes n=device with n from 1 to 32767, not '=/dev/x'"},
        {"--com|0=/dev/x", "--com takes n=device with n from 1 to 32767, not '0=/dev/x'"},
        {"--com|32768=/dev/x", "--com takes n=device with n from 1 to 32767, not '32768=/dev/x'"},
        {"--play", "--play goes with --check-sounds"},
        {"--schedule|", "--schedule needs a file"},
        {"--draw|d.csv", "--draw goes with --schedule"},
        {"--web-port|65536", "--web-port takes a port from 0 to 65535, not '65536'"},
        {"--web-port|-1", "--web-port takes a port from 0 to 65535, not '-1'"},
        {"--web-port|80x", "--web-port takes a port from 0 to 65535, not '80x'"},
        {"--html|r.html", "--html goes with --day-report"},
        {"--late-ms|5", "--late-ms goes with --day-report"},
        {"--day-report|2026-02-30", "--day-report takes a date as YYYY-MM-DD, not '2026-02-30'"},
        {"--day-report|today", "--day-report takes a date as YYYY-MM-DD, not 'today'"},
        {"--day-report|--late-ms|-1", "--late-ms takes milliseconds, not '-1'"},
        {"--day-report|--html|", "--html needs a file"},
        {"--day-report|2026-06-13|2026-06-14", "unexpected argument '2026-06-14'"},
        {"--results-csv|r.csv", "--results-csv goes with --results"},
        {"--results|", "--results needs a file"},
        {"--remote|no", "--remote takes on or off, not 'no'"},
        {"--lang|nl", "--lang takes en, it, de or fr, not 'nl'"},
        {"--remote", "Missing value after '--remote'."}};
    for (const auto& [line, reason] : lines) {
        std::vector<std::string> arguments;
        for (const auto word : std::views::split(line, '|')) {
            arguments.emplace_back(word.begin(), word.end());
        }
        const ParsedCommandLine parsed = parse(arguments).result;
        EXPECT_FALSE(parsed.settings) << line;
        EXPECT_EQ(parsed.exitStatus, 2) << line;
        EXPECT_EQ(parsed.message.rfind("aerolap: " + reason + "\n\nUsage: aerolap", 0), 0u)
            << parsed.message;
    }
}

TEST(CommandLine, ReadsEveryOptionAndAnswersHelpAndVersion) {
    const ParsedCommandLine parsed =
        parse({"--sounds", "/srv/s", "--com", "1=/dev/ttyUSB0", "--com", "32767=/dev/x",
               "--check-sounds", "--play", "--web-port", "0", "--schedule", "day.json", "--draw",
               "d.csv", "--remote", "off"})
            .result;
    ASSERT_TRUE(parsed.settings);
    EXPECT_EQ(parsed.settings->soundFolder, std::filesystem::path("/srv/s"));
    EXPECT_EQ(parsed.settings->serialDevices,
              (SerialDevices{{1, "/dev/ttyUSB0"}, {32767, "/dev/x"}}));
    EXPECT_TRUE(parsed.settings->checkSounds && parsed.settings->playSounds);
    EXPECT_EQ(parsed.settings->webPort, 0);
    EXPECT_EQ(parsed.settings->scheduleFile, "day.json");
    EXPECT_EQ(parsed.settings->drawFile, "d.csv");
    EXPECT_FALSE(parsed.settings->remote || parsed.settings->dayReport);
    EXPECT_TRUE(parse({"--remote", "on"}).result.settings->remote);
    EXPECT_EQ(parse({"--lang", "de_CH"}, {{"AEROLAP_LANG", "it"}}).result.settings->language, "de");
    EXPECT_EQ(parse({}, {{"AEROLAP_LANG", "fr"}}).result.settings->language, "fr");
    EXPECT_EQ(parse({"--web-port", "65535"}).result.settings->webPort, 65535);
    const ParsedCommandLine none = parse({}).result;
    ASSERT_TRUE(none.settings);
    EXPECT_TRUE(none.settings->remote);
    EXPECT_FALSE(none.settings->checkSounds || none.settings->scheduleFile ||
                 none.settings->language);
    EXPECT_EQ(parse({"--version"}).result.message, "Aerolap 3.4.2\n");
    EXPECT_EQ(parse({"--help"}).result.exitStatus, 0);
}

TEST(CommandLine, ReadsTheDayReportWithItsDateItsPageAndItsLateness) {
    const ParsedCommandLine parsed =
        parse({"--day-report", "2026-06-13", "--html", "r.html", "--late-ms", "35"}).result;
    ASSERT_TRUE(parsed.settings);
    EXPECT_TRUE(parsed.settings->dayReport);
    EXPECT_EQ(parsed.settings->reportDate, "2026-06-13");
    EXPECT_EQ(parsed.settings->reportPage, "r.html");
    EXPECT_EQ(parsed.settings->lateCue, std::chrono::milliseconds(35));
    const ParsedCommandLine today = parse({"--day-report"}).result;
    ASSERT_TRUE(today.settings);
    EXPECT_FALSE(today.settings->reportDate || today.settings->reportPage);
    EXPECT_EQ(today.settings->lateCue, std::chrono::milliseconds(20));
    EXPECT_EQ(parse({"--day-report", "--late-ms", "0"}).result.settings->lateCue,
              std::chrono::milliseconds(0));
}

TEST(CommandLine, ReadsTheResultsTheirExportAndTheScoresFile) {
    const ParsedCommandLine parsed =
        parse({"--results", "day.json", "--results-csv", "r.csv"}, {{"AEROLAP_SCORES", "s.json"}})
            .result;
    ASSERT_TRUE(parsed.settings);
    EXPECT_EQ(parsed.settings->resultsSchedule, "day.json");
    EXPECT_EQ(parsed.settings->resultsCsv, "r.csv");
    EXPECT_EQ(parsed.settings->scoresFile, "s.json");
    EXPECT_EQ(
        parse({"--scores", "t.json"}, {{"AEROLAP_SCORES", "s.json"}}).result.settings->scoresFile,
        "t.json")
        << "the option over the variable";
}

/// The text with each run of blanks and line breaks made one space, as help2man reads it.
std::string unwrapped(const std::string& text) {
    std::string words;
    for (const char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c))) {
            words += c;
        } else if (!words.empty() && words.back() != ' ') {
            words += ' ';
        }
    }
    return words;
}

// help2man makes the manual page from --help: each option starts an entry of its own, and says
// its variable and its default; the variables have a section of their own.
TEST(CommandLine, HelpNamesEveryOptionWithItsVariableAndDefault) {
    const std::string help = parse({"--help"}).result.message;
    const std::string environment = help.substr(help.find("\nEnvironment:\n"));
    for (const SettingDeclaration& declaration : settingDeclarations()) {
        const std::string option = "--" + std::string(declaration.name);
        const std::string shortOption =
            declaration.shortName.empty() ? "" : "-" + std::string(declaration.shortName) + ", ";
        const std::size_t entry = help.find("\n  " + shortOption + option + " ");
        ASSERT_NE(entry, std::string::npos) << option;
        const std::string description =
            unwrapped(help.substr(entry, help.find("\n  -", entry + 1) - entry));
        if (!declaration.variable.empty()) {
            // A numbered variable is a family: AEROLAP_COM<n>.
            const std::string variable =
                std::string(declaration.variable) + (declaration.variableNumbers > 0 ? "<n>" : "");
            EXPECT_NE(description.find("Variable: " + variable + "."), std::string::npos)
                << description;
            EXPECT_NE(environment.find("\n  " + variable + " "), std::string::npos) << variable;
            EXPECT_NE(description.find("Default: "), std::string::npos) << description;
        }
        if (declaration.value.store && !declaration.defaultValue.empty()) {
            Settings settings;
            EXPECT_TRUE(declaration.value.store(settings, std::string(declaration.defaultValue)))
                << option << " refuses its own default";
        }
    }
}

/// The three settings that have variables, as one line: "sounds com web-port".
std::string variableSettings(const Settings& settings) {
    std::string com;
    for (const auto& [port, device] : settings.serialDevices) {
        com += (com.empty() ? "" : ",") + std::to_string(port) + ":" + device;
    }
    return (settings.soundFolder ? settings.soundFolder->string() : "-") + " " +
           (com.empty() ? "-" : com) + " " + std::to_string(settings.webPort);
}

struct MergeRow {
    const char* name;
    std::vector<std::string> arguments;
    Variables variables;
    std::string settings;
    std::string warning;
    friend void PrintTo(const MergeRow& row, std::ostream* out) { *out << row.name; }
};

class CommandLineMerge : public ::testing::TestWithParam<MergeRow> {};

TEST_P(CommandLineMerge, TakesTheOptionOverTheVariableOverTheDefault) {
    const auto& [name, arguments, variables, settings, warning] = GetParam();
    const Parsed parsed = parse(arguments, variables);
    ASSERT_TRUE(parsed.result.settings) << parsed.result.message;
    EXPECT_EQ(variableSettings(*parsed.result.settings), settings);
    EXPECT_EQ(parsed.warnings, warning);
}

const Variables kEveryVariable = {{"AEROLAP_SOUNDS", "/env"},
                                  {"AEROLAP_COM1", "/dev/env1"},
                                  {"AEROLAP_COM32767", "/dev/envlast"},
                                  {"AEROLAP_WEB_PORT", "7000"}};

const MergeRow kMergeRows[] = {
    {"Defaults", {}, {}, "- - 8080", ""},
    {"Variables", {}, kEveryVariable, "/env 1:/dev/env1,32767:/dev/envlast 7000", ""},
    {"OptionsOverVariables",
     {"--sounds", "/opt", "--com", "1=/dev/opt1", "--com", "2=/dev/opt2", "--web-port", "9000"},
     kEveryVariable,
     "/opt 1:/dev/opt1,2:/dev/opt2,32767:/dev/envlast 9000",
     ""},
    {"EmptyVariablesAreUnset",
     {},
     {{"AEROLAP_SOUNDS", ""}, {"AEROLAP_COM1", ""}, {"AEROLAP_WEB_PORT", ""}},
     "- - 8080",
     ""},
    {"BadVariableIsNamedAndTheDefaultUsed",
     {},
     {{"AEROLAP_WEB_PORT", "80x"}},
     "- - 8080",
     "aerolap: AEROLAP_WEB_PORT is '80x', not a port from 0 to 65535: the default, 8080, is "
     "used.\n"},
    {"BadVariableUnderAnOptionIsNotRead",
     {"--web-port", "9000"},
     {{"AEROLAP_WEB_PORT", "80x"}},
     "- - 9000",
     ""},
};

INSTANTIATE_TEST_SUITE_P(Rows, CommandLineMerge, ::testing::ValuesIn(kMergeRows),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace aerolap
