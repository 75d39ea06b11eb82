#include "ScoresFile.h"

#include "ScoreSheetJson.h"
#include "files/SmallFileRead.h"

namespace aerolap {

namespace {
// A card is some 100 bytes: 200 pilots over 30 rounds, re-flights and all, fit many times over.
constexpr qint64 kLargestScoresFile = qint64{16} * 1024 * 1024;
} // namespace

std::filesystem::path scoresFileOf(const std::filesystem::path& schedule) {
    std::filesystem::path scores = schedule;
    if (scores.extension() == ".json") {
        scores.replace_extension();
    }
    scores += ".scores.json";
    return scores;
}

std::variant<ScoreSheet, std::string> readScoresFile(const std::filesystem::path& path) {
    auto read = readSmallFile(path.string(), kLargestScoresFile);
    if (auto* why = std::get_if<std::string>(&read)) {
        return std::move(*why);
    }
    return scoreSheetFromJson(std::get<QByteArray>(read));
}

} // namespace aerolap
