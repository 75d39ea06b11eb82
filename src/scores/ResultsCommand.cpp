#include "ResultsCommand.h"

#include "ResultsCsv.h"
#include "ResultsText.h"
#include "ScoredContest.h"
#include "ScoresFile.h"
#include "files/WholeFileSave.h"
#include "schedule/ScheduleFile.h"

namespace aerolap {

int runResults(const ResultsRequest& request, std::ostream& out, std::ostream& errors) {
    const LoadedSchedule loaded = loadSchedule(request.schedule);
    if (!loaded.schedule) {
        errors << "aerolap: " << loaded.error << "\n";
        return 1;
    }
    const std::filesystem::path file = request.scoresFile
                                           ? std::filesystem::path(*request.scoresFile)
                                           : scoresFileOf(request.schedule);
    auto read = readScoresFile(file);
    if (const auto* why = std::get_if<std::string>(&read)) {
        errors << "aerolap: the scores file " << file.string() << " " << *why << "\n";
        return 1;
    }
    const ScoredContest scored = scoredContest(*loaded.schedule, std::get<ScoreSheet>(read));
    const Results results = scoreContest(scored.contest);
    out << resultsText(scored, results) << std::flush;
    if (request.csvFile) {
        if (const auto why = saveWholeFile(*request.csvFile, resultsCsv(scored, results))) {
            errors << "aerolap: the export " << *request.csvFile << " cannot be written (" << *why
                   << ")\n";
            return 1;
        }
    }
    return 0;
}

} // namespace aerolap
