// The draw read from CSV as spreadsheets and scoring programs write it, and every way a file can
// be wrong: one table, each row a file and what comes of it.
#include "draw/DrawFromCsv.h"

#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

struct CsvCase {
    const char* name;
    std::string bytes;
    /// The draw as "round/group: pilot(team) ..." lines, or the message after "Draw day.csv, ".
    std::string expected;
};

std::string described(const Draw& draw) {
    std::string text;
    for (std::size_t round = 0; round < draw.rounds.size(); ++round) {
        for (std::size_t group = 0; group < draw.rounds[round].size(); ++group) {
            text += std::to_string(round + 1) + "/" + std::to_string(group + 1) + ":";
            for (const int pilot : draw.rounds[round][group]) {
                const DrawPilot& who = draw.pilots[static_cast<std::size_t>(pilot)];
                text += " " + who.name + (who.team.empty() ? "" : "(" + who.team + ")");
            }
            text += "\n";
        }
    }
    return text;
}

using namespace std::string_literals;

/// What gtest prints of a row: its name.
void PrintTo(const CsvCase& row, std::ostream* out) {
    *out << row.name;
}

const std::string kBom = "\xEF\xBB\xBF";

const CsvCase kCases[] = {
    {"CommasColumnsInAnyOrderRoundsLeftOut", "pilot,round,group\nAnna,1,1\nBruno,1,2\nCarla,1,1\n",
     "1/1: Anna Carla\n1/2: Bruno\n"},
    {"SemicolonsBomCrlfQuotesAndTeams",
     kBom + "round;group;pilot;team\r\n1;1;\"Rossi; Anna\";\"Club \"\"A\"\"\"\r\n1;2;Bruno;\r\n"
            "2;2;\"Rossi; Anna\";\"Club \"\"A\"\"\"\r\n2;1;Bruno;\r\n",
     "1/1: Rossi; Anna(Club \"A\")\n1/2: Bruno\n2/1: Bruno\n2/2: Rossi; Anna(Club \"A\")\n"},
    {"BlankLinesEmptyRowsSpacesAndAnOldMacLineEnd",
     "\n Round , GROUP ,Pilot \n\n1,1, Anna \r1,2,Bruno\n,,\n\n", "1/1: Anna\n1/2: Bruno\n"},
    {"UnicodeNames", "round,group,pilot\n1,1,Jürgen Müller\n1,2,Łukasz Żak\n",
     "1/1: Jürgen Müller\n1/2: Łukasz Żak\n"},
    {"UnknownColumn", "round,group,pilot,club\n1,1,Anna,X\n",
     "line 1: unknown column \"club\" (the columns are round, group, pilot and team)"},
    {"ColumnMissing", "round,pilot\n1,Anna\n", "line 1: the column \"group\" is missing"},
    {"ColumnTwice", "round,group,pilot,Round\n", "line 1: the column \"round\" is there twice"},
    {"PilotTwiceInARound", "round,group,pilot\n1,1,Anna\n1,2,Bruno\n1,2,Anna\n",
     "line 4: pilot \"Anna\" is in round 1 twice (also on line 2)"},
    {"GroupWithNobody", "round,group,pilot\n2,1,Anna\n1,1,Bruno\n2,1,Carla\n",
     "line 3: group 2 of round 1 has nobody"},
    {"RoundTheScheduleHasNot", "round,group,pilot\n1,1,Anna\n3,1,Bruno\n",
     "line 3: round 3 is not in the schedule, which has 2 rounds"},
    {"GroupTheScheduleHasNot", "round,group,pilot\n1,3,Anna\n",
     "line 2: round 1 has no group 3 in the schedule, only 2"},
    {"RoundNotANumber", "round,group,pilot\none,1,Anna\n",
     "line 2: the round \"one\" is not a whole number from 1"},
    {"GroupZero", "round,group,pilot\n1,0,Anna\n",
     "line 2: the group \"0\" is not a whole number from 1"},
    {"NoPilotNamed", "round,group,pilot\n1,1,\"  \"\n", "line 2: no pilot named"},
    {"TeamChangesBetweenRounds", "round,group,pilot,team\n1,1,Anna,A\n1,2,Bruno,B\n2,1,Anna,C\n",
     "line 4: pilot \"Anna\" is in team \"C\" here and in team \"A\" on line 2"},
    {"FieldsMissingFromARow", "round,group,pilot\n1,1,Anna\n1,2\n",
     "line 3: has 2 fields where the header has 3"},
    {"QuoteNeverClosed", "round,group,pilot\n1,1,\"Anna\n1,2,Bruno\n",
     "line 2: a quote opened here is never closed"},
    {"QuoteInsideAField", "round,group,pilot\n1,1,An\"na\n",
     "line 2: a quote inside a field: put the field in quotes and double the quote"},
    {"TextAfterAClosingQuote", "round,group,pilot\n1,1,\"Anna\" B\n",
     "line 2: text after a closing quote"},
    {"NotTextNulByte", "round,group,pilot\n1,1,Anna\n1,2,B\0b\n"s,
     "line 3: is not text (it holds a NUL byte)"},
    {"NotUtf8", "round,group,pilot\n1,1,Anna\n1,2,J\xFCrgen\n", "line 3: is not UTF-8 text"},
    {"Empty", "", "line 1: is empty: it needs a header row"},
    {"HeaderAlone", kBom + "round;group;pilot\r\n", "line 1: has no pilots under its header"},
};

class DrawImport : public ::testing::TestWithParam<CsvCase> {};

TEST_P(DrawImport, ReadsTheDrawOrNamesTheLineAndTheFault) {
    const CsvCase& row = GetParam();
    const ImportedDraw imported =
        drawFromCsv(QByteArray::fromStdString(row.bytes), "Draw day.csv", {2, 2});
    if (imported.draw) {
        EXPECT_EQ(described(*imported.draw), row.expected);
        EXPECT_TRUE(imported.error.empty());
    } else {
        EXPECT_EQ(imported.error, "Draw day.csv, " + row.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, DrawImport, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace aerolap::testing
