#include "scores/ScoreSheetJson.h"

#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

// Whatever the program keeps comes back as it was: the rules, the fly-off, every field of a
// flight, the marks, the confirmations and the re-flight group with its granted pilot.
TEST(ScoreSheetJson, ReadsBackWhatItWrote) {
    ScoreSheet sheet;
    sheet.rules.droppedRounds = {{4, 1}, {8, 2}};
    sheet.rules.reflight = ReflightRule::BetterOfTwoForEveryone;
    sheet.rules.team = TeamRule::BestMembers;
    sheet.rules.taskD = TaskDForm::Ladder;
    sheet.rules.pokerTargets = 5;
    sheet.flyOffFrom = 2;
    sheet.group(0, 1).confirmed = true;
    sheet.group(0, 1).cards["Anna"] = {
        0, {{179, std::nullopt, 0, 0}, {95, 12, 3, 0}}, 100, CardMark::Unsigned, false};
    sheet.group(0, 1).cards["Dário"] = {0, {}, 0, CardMark::NoShow, false};
    sheet.group(1, 0).cards["Bruno"] = {0, {{70, std::nullopt, 0, 60}}, 0, CardMark::Signed, false};
    sheet.group(1, 0).fromPhones["Bruno"] = {"0123456789abcdef0123456789abcdef",
                                             18'446'744'073'709'551'615u, "Timekeeper 1", "B. R."};
    GroupSheet& reflight = sheet.group(1, 2);
    reflight.reflight = true;
    reflight.granted = {"Bruno"};
    reflight.cards["Bruno"] = {};

    const auto read = scoreSheetFromJson(scoreSheetJson(sheet));
    ASSERT_TRUE(std::holds_alternative<ScoreSheet>(read)) << std::get<std::string>(read);
    EXPECT_EQ(std::get<ScoreSheet>(read), sheet);
    EXPECT_EQ(std::get<ScoreSheet>(scoreSheetFromJson(R"({"format": "aerolap-scores",
        "version": 1})")),
              ScoreSheet{})
        << "every rule has the engine's usual value";
}

struct Refused {
    const char* name;
    const char* json;
    const char* fault;
    friend void PrintTo(const Refused& row, std::ostream* out) { *out << row.name; }
};

constexpr Refused kRefused[] = {
    {"NotJson", "{\"format\": ", "is not JSON"},
    {"NotAnObject", "[]", "must hold one object in braces"},
    {"AnotherFormat", R"({"format": "aerolap-schedule", "version": 1})",
     "format: must be \"aerolap-scores\""},
    {"NewerVersion", R"({"format": "aerolap-scores", "version": 3})",
     "version: 3 is of a newer Aerolap: this one reads up to 2"},
    {"UnknownRule", R"({"format": "aerolap-scores", "version": 1, "rules": {"drop": 1}})",
     "rules, drop: is not a field of the scores file"},
    {"UnknownReflightRule",
     R"({"format": "aerolap-scores", "version": 1, "rules": {"reflight": "both"}})",
     "rules, reflight: must be one of \"reflown_pilot_takes_reflight\", "
     "\"better_of_two_for_everyone\""},
    {"NegativeTime", R"({"format": "aerolap-scores", "version": 1, "rounds": [[],
        [{"cards": [{"pilot": "Anna", "flights": [{"seconds": 30}, {"seconds": -4}]}]}]]})",
     "round 2, group 1, card of Anna, flight 2, seconds: must be a whole number from 0 to 86400"},
    {"TwoCardsOfAPilot", R"({"format": "aerolap-scores", "version": 1, "rounds": [[
        {"cards": [{"pilot": "Anna"}, {"pilot": "Anna"}]}]]})",
     "round 1, group 1, card of Anna: the pilot has two cards in the group"},
    {"CardWithoutPilot", R"({"format": "aerolap-scores", "version": 1, "rounds": [[
        {"cards": [{"flights": []}]}]]})",
     "round 1, group 1, card 1, pilot: is missing"},
};

class ScoreSheetRefused : public ::testing::TestWithParam<Refused> {};

// A scores file is read strictly, and its fault is named with where it is.
TEST_P(ScoreSheetRefused, NamesTheFieldAndTakesNothing) {
    const auto read = scoreSheetFromJson(GetParam().json);
    ASSERT_TRUE(std::holds_alternative<std::string>(read));
    EXPECT_TRUE(std::get<std::string>(read).starts_with(GetParam().fault))
        << std::get<std::string>(read);
}

INSTANTIATE_TEST_SUITE_P(Rows, ScoreSheetRefused, ::testing::ValuesIn(kRefused),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace aerolap::testing
