#include "day_log/DayReport.h"

#include "audio/SoundFiles.h"
#include "day_log/DayLogLine.h"
#include "day_log/DayReportText.h"
#include "i18n/Catalogues.h"

#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

constexpr long long kSecond = 1'000'000'000;
constexpr long long kStart = 5000 * kSecond;

Moment momentOf(long long at) {
    return Moment(std::chrono::nanoseconds(kStart + at));
}

/// One line of the log at `at` nanoseconds after the cycle's start.
std::string line(LineEvent event, long long at) {
    return lineText({momentOf(at), 1'000'000 + at / 1'000'000, std::move(event)}) + "\n";
}

/// A phase that began at `at`, recorded at `recordedAt` (a resumed one long after).
std::string phase(CyclePhase phase, long long at, int seconds,
                  std::optional<long long> recordedAt = std::nullopt) {
    PhaseBegan began{phase, momentOf(at), seconds, false, false, false, {}, ""};
    began.announcements = {false, false, {}, false, false};
    return line(began, recordedAt.value_or(at));
}

/// A cue of the preparation's second `left`, played `late` after it began.
std::string cue(const char* file, int seconds, int left, std::chrono::nanoseconds late) {
    const long long began = (seconds - left) * kSecond;
    return line(CuePlayed{file, false,
                          ShownSecond{CyclePhase::Preparation, "00.00.0" + std::to_string(left),
                                      momentOf(began)},
                          momentOf(began + late.count()), momentOf(began + late.count())},
                began + late.count());
}

/// A preparation of 6 seconds with no boxes ticked: "5" to "1" and the siren are due.
std::string preparationWithout4AndWithALate2() {
    return phase(CyclePhase::Preparation, 0, 6) + cue(sounds::kCount5, 6, 5, 3ms) +
           cue(sounds::kCount3, 6, 3, 4ms) + cue(sounds::kCount2, 6, 2, 35ms) +
           cue(sounds::kCount1, 6, 1, 1ms) + phase(CyclePhase::WorkingTime, 6 * kSecond, 180);
}

// Cues later than the limit are flagged, the limit is the director's, and a due cue that never
// sounded is named; the phase's measured length is there.
TEST(DayReport, FlagsLateCuesAgainstTheLimitAndNamesTheMissingOnes) {
    // English's plural forms are in its catalogue, as the program installs it.
    const Catalogues english("en", {});
    const DayReport report =
        readDayReport(preparationWithout4AndWithALate2() +
                      line(ButtonPressed{CycleCommand::Stop, {}}, 9 * kSecond));
    ASSERT_EQ(report.cycles.size(), 1U);
    const ReportedCycle& cycle = report.cycles[0];
    ASSERT_EQ(cycle.missing.size(), 2U);
    EXPECT_EQ(cycle.missing[0].file, sounds::kCount4);
    EXPECT_EQ(cycle.missing[0].second, "00.00.04");
    EXPECT_EQ(cycle.missing[1].file, sounds::kSiren) << "the end of the preparation";
    EXPECT_EQ(cycle.phases[0].measured, 6s);
    EXPECT_EQ(cycle.phases[1].measured, 3s) << "up to STOP";

    const auto lateLines = [&](std::chrono::milliseconds late) {
        const std::string text = dayReportText(report, late, "day", "log");
        std::vector<std::string> flagged;
        std::istringstream lines(text);
        for (std::string each; std::getline(lines, each);) {
            if (each.ends_with("LATE") || each.ends_with("MISSING")) {
                flagged.push_back(each.substr(each.find("00.00")));
            }
        }
        return flagged;
    };
    EXPECT_EQ(lateLines(20ms), (std::vector<std::string>{"00.00.02  2.wav  +35.0 ms  LATE",
                                                         "00.00.04  4.wav  MISSING",
                                                         "00.00.00  Sirena di nave.wav  MISSING"}));
    EXPECT_EQ(lateLines(40ms).size(), 2U);
    EXPECT_NE(dayReportText(report, 20ms, "day", "log")
                  .find("\n  4 cues, 1 late, latest +35.0 ms, 2 missing; 0 frames, all taken\n"),
              std::string::npos);
}

// A line cut by a crash, a foreign line and one of an unknown kind are each named, and the lines
// around them are read.
TEST(DayReport, ReadsOnPastCutForeignAndUnknownLines) {
    const std::string text = "{\"kind\":\"cue\",\"mono_ns\":12\n" + std::string("not json\n") +
                             "{\"kind\":\"weather\"}\n" + preparationWithout4AndWithALate2() +
                             "{\"kind\":\"frame\",\"bytes\":\"A00";
    const DayReport report = readDayReport(text);
    const auto unread = [](const char* number, const char* why) {
        return Message{"line %1: %2", {number, why}};
    };
    EXPECT_EQ(report.unreadLines,
              (std::vector<Message>{unread("1", "not a line of the day log"),
                                    unread("2", "not a line of the day log"),
                                    unread("3", "unknown kind \"weather\""),
                                    unread("10", "not a line of the day log")}));
    ASSERT_EQ(report.cycles.size(), 1U);
    EXPECT_EQ(report.cycles[0].cues.size(), 4U);
    EXPECT_EQ(report.cycles[0].ending, "the log ends here");
}

// The program ended in the working time and came back to carry the cycle on: the first cycle
// ends there, and the resumed one says so, with the gap and where it went on.
TEST(DayReport, ACycleResumedAfterACrashShowsTheGap) {
    const CycleResumed resumed{"working time, 01:54 left",
                               {CyclePhase::WorkingTime, "00.01.54", std::nullopt}};
    // The cycle that comes back began at the moment of the first, its preparation long over.
    const std::string closedAndStartedAgain = line(ProgramClosed{}, 0) + line(ProgramStarted{}, 0);
    const std::string text = closedAndStartedAgain + preparationWithout4AndWithALate2() +
                             line(FrameSent{}, 10 * kSecond) +
                             line(ProgramStarted{}, 60 * kSecond) + line(resumed, 66 * kSecond) +
                             phase(CyclePhase::Preparation, 0, 6, 66 * kSecond);
    const DayReport report = readDayReport(text);
    ASSERT_EQ(report.cycles.size(), 2U);
    EXPECT_EQ(report.cycles[0].ending, "the program ended (a crash, a kill or a power cut)");
    EXPECT_FALSE(report.cycles[1].started);
    ASSERT_EQ(report.cycles[1].gaps.size(), 1U);
    EXPECT_EQ(report.cycles[1].gaps[0].wentOnPhase, "working");
    EXPECT_EQ(report.cycles[1].gaps[0].wentOnSecond, "00.01.54");
    EXPECT_EQ(report.cycles[1].missing.size(), 5U) << "the count of the preparation";
    for (const MissingCue& cue : report.cycles[1].missing) {
        EXPECT_TRUE(cue.inGap) << cue.file;
    }
}

// Each score change is listed under the last cycle that flew its group, which the schedule's place
// before that START names; one whose group no cycle of the log flew is listed for the day.
TEST(DayReport, ListsEachScoreUnderTheCycleThatFlewItsGroup) {
    const DayReport report = readDayReport(
        line(ScheduleMoved{true, 0, 1, 0, ScheduleState::Gap}, 0) +
        preparationWithout4AndWithALate2() + phase(CyclePhase::Ready, 200 * kSecond, 0) +
        line(ScheduleMoved{true, 1, 0, 0, ScheduleState::Gap}, 201 * kSecond) +
        line(ScoreChanged{"card", 0, 1, "Anna", "", "2:00"}, 202 * kSecond) +
        line(ScoreChanged{"card", 0, 0, "Bruno", "1:00", "1:10"}, 203 * kSecond));
    ASSERT_EQ(report.cycles.size(), 1U);
    ASSERT_EQ(report.cycles[0].scores.size(), 1U);
    EXPECT_EQ(report.cycles[0].scores[0].change.pilot, "Anna");
    ASSERT_EQ(report.scores.size(), 1U);
    const std::string text = dayReportText(report, 20ms, "day", "log");
    EXPECT_NE(text.find(", round 1 group 2\n"), std::string::npos) << text;
    const auto after = [&text](const std::string& heading) {
        const std::size_t at = text.find(heading);
        return at == std::string::npos ? "" : text.substr(text.find(".000  ", at) + 6);
    };
    EXPECT_TRUE(after("  Scores of this group:\n").starts_with("card Anna: (none) -> 2:00\n"))
        << text;
    EXPECT_TRUE(after("Scores of no cycle in this log:\n")
                    .starts_with("round 1 group 1, card Bruno: 1:00 -> 1:10\n"))
        << text;
}

// The page stands alone: nothing fetched, no script, and text from the log cannot become markup.
TEST(DayReport, ThePageIsSelfContainedAndEscapesWhatTheLogSays) {
    const DayReport report = readDayReport(
        preparationWithout4AndWithALate2() +
        line(NoticePosted{"<script>alert(1)</script> & more", false, 0}, 7 * kSecond));
    const std::string page = dayReportHtml(report, 20ms, "day <1>", "<log>");
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_EQ(page.find("src="), std::string::npos);
    EXPECT_EQ(page.find("href="), std::string::npos);
    EXPECT_NE(page.find("&lt;script&gt;alert(1)&lt;/script&gt; &amp; more"), std::string::npos);
    EXPECT_NE(page.find("class=\"timeline\""), std::string::npos);
    EXPECT_NE(page.find("@media print"), std::string::npos);
}

} // namespace
} // namespace aerolap::testing
