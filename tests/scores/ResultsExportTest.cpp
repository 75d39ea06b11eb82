#include "ContestDay.h"
#include "schedule/ScheduleFile.h"
#include "scores/ResultsCommand.h"
#include "scores/ResultsCsv.h"
#include "scores/ResultsText.h"
#include "scores/ScoreSheetJson.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace aerolap::testing {
namespace {

Card poker(int pilot, std::initializer_list<std::pair<int, int>> flights) {
    Card card = cardOf(pilot, {});
    for (const auto& [seconds, target] : flights) {
        card.flights.push_back({seconds, std::nullopt, 0, target});
    }
    return card;
}

/// Two rounds entered, none confirmed, one round dropped from two, ranks from one round on.
ScoreSheet twoRounds() {
    ScoreSheet sheet;
    sheet.rules.droppedRounds = {{2, 1}};
    sheet.rules.minimumRounds = 1;
    sheet.group(0, 0).cards = {{"Anna", cardOf(kAnna, {250})},
                               {"Bruno", cardOf(kBruno, {200}, 100)}};
    Card unsignedCard = cardOf(kDario, {290});
    unsignedCard.mark = CardMark::Unsigned;
    sheet.group(0, 1).cards = {{"Carla, Jr.", cardOf(kCarla, {300})}, {"Dário", unsignedCard}};
    sheet.group(1, 0).cards = {{"Anna", poker(kAnna, {{65, 60}, {130, 120}})},
                               {"Carla, Jr.", poker(kCarla, {{50, 60}, {70, 60}})}};
    Card noShow = cardOf(kDario, {});
    noShow.mark = CardMark::NoShow;
    sheet.group(1, 1).cards = {{"Bruno", poker(kBruno, {{200, 180}})}, {"Dário", noShow}};
    return sheet;
}

struct ResultsExport : ::testing::Test {
    Schedule day = *scheduleFromJson(QJsonDocument::fromJson(kContestDay).object(), "day").schedule;
    ScoredContest scored = scoredContest(day, twoRounds());
    Results results = scoreContest(scored.contest);
};

// One row a card, in the order of the standings, with fixed English headers, decimal points,
// quotes where a name needs them and UTF-8 as it is.
TEST_F(ResultsExport, CsvHasARowForEachCardInTheOrderOfTheStandings) {
    EXPECT_EQ(resultsCsv(scored, results).toStdString(),
              "pilot,team,round,group,task,flights,raw,normalised,penalty,dropped,total\r\n"
              "Anna,Club A,1,1,A,4:10,250,1000.0,0,yes,1000.0\r\n"
              "Anna,Club A,2,1,E,1:05/1:00 2:10/2:00,180,1000.0,0,no,1000.0\r\n"
              "\"Carla, Jr.\",Club B,1,2,A,5:00,300,1000.0,0,no,1000.0\r\n"
              "\"Carla, Jr.\",Club B,2,1,E,0:50/1:00 1:10/1:00,60,333.3,0,yes,1000.0\r\n"
              "Bruno,Club A,1,1,A,3:20,200,800.0,100,yes,900.0\r\n"
              "Bruno,Club A,2,2,E,3:20/3:00,180,1000.0,0,no,900.0\r\n"
              "Dário,Club B,1,2,A,4:50,0,0.0,0,yes,0.0\r\n"
              "Dário,Club B,2,2,E,,0,0.0,0,no,0.0\r\n");
}

// The terminal's standings: provisional marks, dropped rounds in brackets, the tie broken on the
// dropped scores, the penalty, the teams.
TEST_F(ResultsExport, TextShowsTheStandingsAndTheTeams) {
    std::vector<std::string> lines;
    std::istringstream text(resultsText(scored, results));
    for (std::string line; std::getline(text, line);) {
        lines.push_back(std::regex_replace(line, std::regex(" +"), " "));
    }
    const auto has = [&lines](const std::string& line) {
        return std::ranges::find(lines, line) != lines.end();
    };
    EXPECT_EQ(lines[0], "Club cup, 2026-06-13");
    EXPECT_EQ(lines[1], "PROVISIONAL: 4 group(s) not confirmed; their scores are marked *.");
    EXPECT_TRUE(has(" Rounds dropped: 1 from 2 rounds"));
    EXPECT_TRUE(has(" Rank Pilot Team R1 R2 Penalty Total"));
    EXPECT_TRUE(has(" 1 Anna Club A (1000.0)* 1000.0* 1000.0*"));
    EXPECT_TRUE(has(" 2 Carla, Jr. Club B 1000.0* (333.3)* 1000.0*"));
    EXPECT_TRUE(has(" 3 Bruno Club A (800.0)* 1000.0* 100 900.0*"));
    EXPECT_TRUE(has(" 1 Club A Anna, Bruno 1900.0*"));
}

// The command reads the schedule and its scores without changing them, prints, and writes the
// export; a missing scores file is named, with status 1.
TEST_F(ResultsExport, CommandPrintsTheStandingsAndWritesTheExport) {
    const QTemporaryDir folder;
    const std::filesystem::path dir = folder.path().toStdString();
    std::ofstream(dir / "day.json") << kContestDay;
    std::ofstream(dir / "day.scores.json") << scoreSheetJson(twoRounds()).toStdString();
    std::ostringstream out;
    std::ostringstream errors;
    EXPECT_EQ(runResults({(dir / "day.json").string(), std::nullopt, (dir / "out.csv").string()},
                         out, errors),
              0)
        << errors.str();
    EXPECT_EQ(out.str(), resultsText(scored, results));
    std::ifstream csv(dir / "out.csv", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(csv), {}),
              resultsCsv(scored, results).toStdString());

    EXPECT_EQ(
        runResults({(dir / "day.json").string(), (dir / "none.json").string(), {}}, out, errors),
        1);
    EXPECT_EQ(errors.str(),
              "aerolap: the scores file " + (dir / "none.json").string() + " does not exist\n");
}

} // namespace
} // namespace aerolap::testing
