// The card entry field's quick forms of a flight time, and the message for each token it refuses.
#include "scoring/FlightEntry.h"

#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

struct EntryRow {
    const char* name;
    const char* text;
    /// The seconds of each flight read, or the message when it is refused.
    std::vector<int> seconds;
    const char* error = "";
    char task = 'F';
    friend void PrintTo(const EntryRow& row, std::ostream* out) { *out << row.name; }
};

const EntryRow kRows[] = {
    {"MinutesAndSeconds", "2:59 1:30 45", {179, 90, 45}},
    {"DigitsAlone", "259 130 45", {179, 90, 45}},
    {"ThreeDigitsAreMinutesAndSeconds", "100 1000", {60, 600}},
    {"FractionsDropped", "3:59.8 45.9 959.99", {239, 45, 599}, "", 'N'},
    {"CommasAndSpacesSeparate", " 1:00,2:00 ,\t3 ", {60, 120, 3}},
    {"NothingIsNoFlight", "  ", {}},
    {"SixtySecondsInDigits", "45 160", {}, "\"160\" has 60 seconds or more"},
    {"SixtySecondsAfterTheColon", "1:75", {}, "\"1:75\" has 60 seconds or more"},
    {"NotANumber", "2:00 abc", {}, "\"abc\" is not a time"},
    {"OneSecondsDigitAfterTheColon", "1:5", {}, "\"1:5\" is not a time: write m:ss"},
    {"FiveDigits", "12345", {}, "\"12345\" is not a time: write m:ss, or at most four digits"},
    {"Negative", "-45", {}, "\"-45\" is negative"},
    {"OverTheWorkingTime", "10:01", {}, "\"10:01\" is longer than the working time of 10:00"},
    {"HugeMinutes", "99999999999:00", {}, "\"99999999999:00\" is not a time"},
    {"MoreFlightsThanTheTaskAllows",
     "1 2 3 4 5 6 7",
     {},
     "\"7\" is one flight too many: task F has at most 6"},
};

class FlightEntry : public ::testing::TestWithParam<EntryRow> {};

TEST_P(FlightEntry, ReadsTheTimesOrNamesTheBadOne) {
    const EntryRow& row = GetParam();
    const EnteredFlights entered =
        parseFlights(row.text, *defaultRoundRules(row.task, 600, ContestRules{}));
    EXPECT_EQ(entered.error, row.error);
    if (*row.error == '\0') {
        ASSERT_TRUE(entered.flights);
        std::vector<int> seconds;
        for (const Flight& flight : *entered.flights) {
            seconds.push_back(flight.seconds);
        }
        EXPECT_EQ(seconds, row.seconds);
    } else {
        EXPECT_FALSE(entered.flights);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, FlightEntry, ::testing::ValuesIn(kRows),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace aerolap::testing
