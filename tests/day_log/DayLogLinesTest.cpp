#include "VirtualTime.h"
#include "day_log/DayLog.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

std::vector<std::string> linesOf(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Each line carries the real monotonic time and the wall clock of its moment, and goes to the
// file of its own day: a cycle over midnight starts the next file.
TEST(DayLogLines, AreStampedWithBothTimesAndGoToTheFileOfTheirDay) {
    QTemporaryDir dir;
    VirtualTime time;
    std::ostringstream errors;
    NoticeBoard notices{time.wall, errors};
    FileWriter files(notices);
    const std::filesystem::path folder = dir.path().toStdString();
    DayLog log(files, folder, time, time.wall);
    const auto today = DayLog::fileOf(folder, time.wall.now());
    time.advance(1500ms);
    log.record(RemoteCommanded{"phone 1", "STOP"});
    time.sleep(24h);
    log.record(ProgramClosed{});
    ASSERT_TRUE(files.flush(FileWriter::kPatience));
    EXPECT_EQ(today.filename(), "2026-06-13.jsonl");
    EXPECT_EQ(linesOf(today),
              std::vector<std::string>{"{\"command\":\"STOP\",\"device\":\"phone 1\",\"kind\":"
                                       "\"remote\",\"mono_ns\":3600001500000000,\"wall_ms\":"
                                       "1781341201500}"});
    EXPECT_EQ(linesOf(DayLog::fileOf(folder, time.wall.now())).size(), 1U);
}

// Whatever a line holds comes back as it was written.
TEST(DayLogLines, ReadBackAsWritten) {
    Announcements someOff;
    someOff.minuteCalls[4] = false;
    someOff.landingCall = false;
    const Moment at{std::chrono::hours(1000)};
    const ShownSecond shown{CyclePhase::WorkingTime, "00.02.35", at - 3ms};
    for (const LineEvent& event : std::vector<LineEvent>{
             PhaseBegan{CyclePhase::Landing, at, 30, true, true, false, someOff, "VUZ"},
             CuePlayed{"c:\\reriva3rira\\5.wav", true, shown, at, at + 1ms},
             FrameSent{"A0235\r\x01\"", false, shown, at},
             PortChanged{3, std::nullopt, true, false},
             ScheduleMoved{true, 2, 1, 0, ScheduleState::Gap}, LaptopSlept{65s, shown},
             NoticePosted{"Ütf-8 <and> \"quotes\"", true, 1'781'341'200'000},
             NoticePosted{{"%1 %2 is written again.", {"The day log", "/log/ä.jsonl"}, 2}},
             ScoreChanged{"card", 2, 1, "Dário", "1:00", "1:05, no-show"}, LinesMissing{true, 7}}) {
        const std::string text = lineText({at, 1'781'341'200'000, event});
        const auto read = readLine(text);
        ASSERT_TRUE(std::holds_alternative<DayLogLine>(read)) << text;
        EXPECT_EQ(lineText(std::get<DayLogLine>(read)), text);
    }
}

// Logs of earlier versions name the announcement switches by the window's boxes and give the
// schedule's state as a number; a line about lost lines has no monotonic time.
TEST(DayLogLines, ReadTheLinesOfEarlierVersions) {
    const auto phase = readLine(R"({"kind":"phase","mono_ns":5,"wall_ms":7,"phase":"working",)"
                                R"("seconds":600,"boxes":{"Check1":true,"Check4":true}})");
    ASSERT_TRUE(std::holds_alternative<DayLogLine>(phase));
    const Announcements& switches =
        std::get<PhaseBegan>(std::get<DayLogLine>(phase).event).announcements;
    EXPECT_TRUE(switches.landingCall);
    EXPECT_TRUE(switches.minuteCalls[0]) << "Check1 is the call at nine minutes";
    EXPECT_FALSE(switches.preparationCall) << "a switch not named was off";

    const auto schedule = readLine(R"({"kind":"schedule","mono_ns":5,"wall_ms":7,"loaded":true,)"
                                   R"("round":0,"group":1,"flight":0,"state":2})");
    ASSERT_TRUE(std::holds_alternative<DayLogLine>(schedule));
    EXPECT_EQ(std::get<ScheduleMoved>(std::get<DayLogLine>(schedule).event).state,
              ScheduleState::Gap);
    EXPECT_TRUE(std::holds_alternative<DayLogLine>(
        readLine(R"({"kind":"lost","wall_ms":1781341200000,"lines":3})")));
    EXPECT_EQ(std::get<std::string>(readLine(R"({"kind":"cue","phase":"lunch"})")),
              "no readable \"phase\"");
}

// A notice is kept as its message id and arguments, put into words when it is read; one of an
// earlier version, kept as its English words, reads as a message of those words.
TEST(DayLogLines, KeepANoticeAsItsMessageAndReadTheWordsOfEarlierVersions) {
    const std::string text =
        lineText({{}, 7, NoticePosted{{"LED display back on %1", {"COM1"}}, false, 7}});
    EXPECT_NE(text.find(R"("message":"LED display back on %1")"), std::string::npos) << text;
    EXPECT_NE(text.find(R"("args":["COM1"])"), std::string::npos) << text;
    const auto earlier = readLine(R"({"kind":"notice","mono_ns":5,"wall_ms":7,)"
                                  R"("text":"Sound output: ALSA","act_now":false,"at_ms":7})");
    ASSERT_TRUE(std::holds_alternative<DayLogLine>(earlier));
    EXPECT_EQ(std::get<NoticePosted>(std::get<DayLogLine>(earlier).event).message,
              Message("Sound output: ALSA"));
    EXPECT_EQ(std::get<std::string>(readLine(R"({"kind":"notice","message":"%1","args":[1]})")),
              "no readable \"args\"");
}

} // namespace
} // namespace aerolap::testing
