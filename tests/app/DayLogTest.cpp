#include "TimedComposition.h"
#include "day_log/DayReport.h"
#include "day_log/DayReportText.h"
#include "elements/TimeText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

std::string textOf(const std::filesystem::path& file) {
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), {}};
}

/// The timer with a day log: runs cycles of PROVA E (3 minutes) with 10 seconds of preparation.
struct DayLogTest : ::testing::Test {
    DayLogTest() {
        timed.timer.load(std::nullopt);
        form.Option1.select();
        form.Clock2.commitEdit("00.00.10");
        timed.runSoon();
    }
    std::filesystem::path logFolder() const {
        return timed.stateFolder.filePath(QStringLiteral("log")).toStdString();
    }
    /// Every line `timer` has written so far.
    static std::string logTextOf(TimedComposition& timer) {
        timer.timer.files().flush(FileWriter::kPatience);
        std::string text;
        const std::filesystem::path folder =
            timer.stateFolder.filePath(QStringLiteral("log")).toStdString();
        for (const auto& file : std::filesystem::directory_iterator(folder)) {
            text += textOf(file.path());
        }
        return text;
    }
    std::string logText() { return logTextOf(timed); }
    void runCycle() {
        form.Command5.click();
        ASSERT_TRUE(timed.runUntil([&] { return cyclePhase(form) == CyclePhase::Ready; }, 4min));
    }

    TimedComposition timed;
    Form1& form = timed.form;
};

// Every kind of event lands in the log, in the order it happened, each with both times.
TEST_F(DayLogTest, EveryEventKindLandsInOrderWithBothTimes) {
    QTemporaryDir folder;
    const std::string schedule = folder.filePath(QStringLiteral("day.json")).toStdString();
    std::ofstream(schedule) << R"({"preparation": "00.00.10", "gap": "00.00.20",
        "rounds": [{"task": "A", "working": "00.00.30", "groups": 2}]})";
    ASSERT_TRUE(timed.timer.schedule().open(schedule));
    timed.runSoon();
    form.Combo1.choose(1);
    form.Combo1.clicked.emit();
    timed.runSoon();
    form.Command5.click();
    timed.run(15s);
    timed.time.sleep(8s);
    timed.run(2s);
    timed.timer.dayLog().record(RemoteCommanded{"phone", "STOP"});
    form.Command7.click();
    timed.run(10ms);
    form.Command2.click();
    timed.run(10ms);
    timed.messageBoxes.answerNext(MessageAnswer::Yes);
    std::int16_t cancel = 0;
    timed.timer.window().Form_QueryUnload(cancel, 0);
    ASSERT_EQ(timed.system.programExit.exits(), 1);

    std::vector<std::string> kinds;
    int urgentNotices = 0;
    QJsonObject sleptNotice;
    long long lastMono = 0;
    long long lastWall = 0;
    const std::string text = logText();
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const QJsonObject object =
            QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
        const std::string kind = object.value(QStringLiteral("kind")).toString().toStdString();
        ASSERT_TRUE(object.contains(QStringLiteral("mono_ns")) &&
                    object.contains(QStringLiteral("wall_ms")))
            << line;
        const long long mono = object.value(QStringLiteral("mono_ns")).toInteger();
        const long long wall = object.value(QStringLiteral("wall_ms")).toInteger();
        EXPECT_GE(mono, lastMono) << line;
        EXPECT_GE(wall, lastWall) << line;
        lastMono = mono;
        lastWall = wall;
        if (kind == "notice" && object.value(QStringLiteral("act_now")).toBool()) {
            ++urgentNotices;
            sleptNotice = object;
        }
        if (kinds.empty() || kinds.back() != kind) {
            kinds.push_back(kind);
        }
    }
    const std::vector<std::string> inOrder{
        "run",     "schedule", "port", "start", "phase", "frame", "cue",  "phase",
        "suspend", "remote",   "stop", "phase", "reset", "phase", "port", "exit"};
    auto from = kinds.begin();
    for (const std::string& kind : inOrder) {
        from = std::find(from, kinds.end(), kind);
        ASSERT_NE(from, kinds.end()) << kind << " out of order or missing in\n" << text;
    }
    // The laptop's sleep is the one notice here the director must act on, kept as its message
    // and arguments for the report to put into its reader's words.
    EXPECT_EQ(urgentNotices, 1) << "the suspend's notice\n" << text;
    EXPECT_TRUE(sleptNotice.value(QStringLiteral("message"))
                    .toString()
                    .startsWith(QStringLiteral("The laptop slept for %1")))
        << text;
    EXPECT_EQ(sleptNotice.value(QStringLiteral("args")), QJsonArray{QStringLiteral("8.0 s")})
        << text;
}

struct Lateness {
    const char* name;
    std::chrono::milliseconds tick;
};

class WholeCycle : public DayLogTest, public ::testing::WithParamInterface<Lateness> {};

// The report of a whole cycle lists every cue the player was asked for, each with the lateness
// the ticks had after its second, and every frame, those the port did not take marked; it finds
// none of the task's cues missing.
TEST_P(WholeCycle, TheReportListsEveryCueAndFrameWithItsLateness) {
    const auto tick = GetParam().tick;
    timed.time.tickLateness = tick;
    const std::size_t framesBefore = timed.port.frames.size();
    const long long startedMs = timed.time.elapsed().count();
    form.Command5.click();
    timed.run(100s);
    timed.port.takesFrames = false;
    timed.run(3s);
    timed.port.takesFrames = true;
    ASSERT_TRUE(timed.runUntil([&] { return cyclePhase(form) == CyclePhase::Ready; }, 4min));

    const DayReport report = readDayReport(logText());
    ASSERT_EQ(report.cycles.size(), 1U);
    const ReportedCycle& cycle = report.cycles.front();
    EXPECT_TRUE(cycle.missing.empty()) << cycle.missing.front().file;
    const auto& played = timed.cues.played();
    ASSERT_EQ(cycle.cues.size(), played.size());
    // Drift-free: each phase begins the moment the one before ran out, however late its tick.
    const std::map<std::string, std::pair<long long, int>> phases{
        {"preparation", {startedMs, 10}},
        {"working", {startedMs + 10'000, 180}},
        {"landing", {startedMs + 190'000, 30}}};
    std::size_t late = 0;
    for (std::size_t i = 0; i < cycle.cues.size(); ++i) {
        const ReportedCue& cue = cycle.cues[i];
        EXPECT_EQ(cue.file, played[i].path);
        if (i == 0) {
            EXPECT_EQ(cue.second, "") << "the call at START has no second";
            continue;
        }
        ASSERT_TRUE(cue.lateness && phases.contains(cue.phase)) << cue.file;
        const auto [began, length] = phases.at(cue.phase);
        const long long secondBegan =
            began + (length - TimeText::toSeconds(cue.second).value_or(-1)) * 1000;
        EXPECT_EQ(*cue.lateness, std::chrono::milliseconds(played[i].atMs - secondBegan))
            << cue.phase << " " << cue.second;
        late += *cue.lateness > kDefaultLateCue ? 1U : 0U;
    }
    EXPECT_EQ(late > 0, tick > kDefaultLateCue);
    const std::string text = dayReportText(report, kDefaultLateCue, "day", "log");
    std::size_t flagged = 0;
    for (auto at = text.find("  LATE"); at != std::string::npos; at = text.find("  LATE", at + 1)) {
        ++flagged;
    }
    EXPECT_EQ(flagged, late) << text;
    ASSERT_EQ(cycle.frames.size(), timed.port.frames.size() - framesBefore);
    std::size_t notTaken = 0;
    for (std::size_t i = 0; i < cycle.frames.size(); ++i) {
        EXPECT_EQ(cycle.frames[i].bytes, timed.port.frames[framesBefore + i].path);
        notTaken += cycle.frames[i].taken ? 0U : 1U;
    }
    EXPECT_EQ(notTaken, 3U);
    EXPECT_EQ(cycle.phases.size(), 3U);
    EXPECT_EQ(cycle.ending, "landing window over");
}

INSTANTIATE_TEST_SUITE_P(Ticks, WholeCycle,
                         ::testing::Values(Lateness{"OnTime", 0ms}, Lateness{"Late25Ms", 25ms}),
                         [](const auto& row) { return std::string(row.param.name); });

// A log that cannot be written costs the director one notice, and nothing else: the frames and
// cues of a cycle are those of a timer whose log is fine.
TEST_F(DayLogTest, ALogThatCannotBeWrittenIsOneNoticeAndTheCycleRunsAsEver) {
    TimedComposition fine;
    fine.timer.load(std::nullopt);
    fine.form.Option1.select();
    fine.form.Clock2.commitEdit("00.00.10");
    fine.runSoon();
    logText();
    std::filesystem::remove_all(logFolder());
    std::ofstream(logFolder()) << "a file where the log folder should be";

    for (TimedComposition* each : {&timed, &fine}) {
        each->form.Command5.click();
        ASSERT_TRUE(
            each->runUntil([&] { return cyclePhase(each->form) == CyclePhase::Ready; }, 4min));
    }
    timed.timer.files().flush(FileWriter::kPatience);
    EXPECT_EQ(timed.cues.played(), fine.cues.played());
    EXPECT_EQ(timed.port.frames, fine.port.frames);
    const auto notices = timed.notices.entries();
    EXPECT_EQ(std::ranges::count_if(notices,
                                    [](const Notice& notice) {
                                        return notice.text().find("day log") != std::string::npos;
                                    }),
              1)
        << timed.noticesText();
}

// The laptop slept in the working time: the report names the gap and where the cycle went on,
// and the cues of the slept seconds are left out on purpose, not missing.
TEST_F(DayLogTest, TheReportTellsTheGapOfASuspendAndHowTheCycleWentOn) {
    form.Command5.click();
    timed.run(40s);
    timed.time.sleep(65s);
    ASSERT_TRUE(timed.runUntil([&] { return cyclePhase(form) == CyclePhase::Ready; }, 4min));

    const DayReport report = readDayReport(logText());
    ASSERT_EQ(report.cycles.size(), 1U);
    const ReportedCycle& cycle = report.cycles.front();
    ASSERT_EQ(cycle.gaps.size(), 1U);
    EXPECT_EQ(sourceText(cycle.gaps[0].what), "the laptop slept 65 s");
    EXPECT_EQ(cycle.gaps[0].wentOnPhase, "working");
    EXPECT_EQ(cycle.gaps[0].wentOnSecond, "00.01.25");
    ASSERT_FALSE(cycle.missing.empty());
    for (const MissingCue& cue : cycle.missing) {
        EXPECT_TRUE(cue.inGap) << cue.phase << " " << cue.second << " " << cue.file;
    }
}

/// The program killed 25 s into the working time and started again 3 s later, Yes to the resume:
/// the report of both runs' logs, the frames sent from the answer on, and the wall-clock moment
/// of the last line the killed program wrote.
struct CrashedAndResumed {
    DayReport report;
    std::size_t framesSent = 0;
    long long lastLineWallMs = 0;
};

CrashedAndResumed crashAndResume(TimedComposition& crashed) {
    crashed.form.Command5.click();
    crashed.run(35s);
    crashed.settle();
    const std::string crashedLog = DayLogTest::logTextOf(crashed);
    const std::string lastLine = crashedLog.substr(crashedLog.rfind('\n', crashedLog.size() - 2));
    TimedComposition resumed(crashed.time.elapsed() + 3s);
    std::ofstream(resumed.stateFile()) << textOf(crashed.stateFile());
    resumed.messageBoxes.answerNext(MessageAnswer::Yes);
    std::size_t startUpFrames = 0;
    resumed.messageBoxes.beforeAnswer = [&] { startUpFrames = resumed.port.frames.size(); };
    resumed.timer.load(std::nullopt);
    EXPECT_TRUE(
        resumed.runUntil([&] { return cyclePhase(resumed.form) == CyclePhase::Ready; }, 4min));
    return {readDayReport(crashedLog + DayLogTest::logTextOf(resumed)),
            resumed.port.frames.size() - startUpFrames,
            QJsonDocument::fromJson(QByteArray::fromStdString(lastLine))
                .object()
                .value(QStringLiteral("wall_ms"))
                .toInteger()};
}

// The gap of a crash runs from the last thing the killed program logged to the restart.
TEST_F(DayLogTest, TheReportOfACrashShowsTheGapFromTheLastLineBeforeIt) {
    const CrashedAndResumed run = crashAndResume(timed);
    ASSERT_EQ(run.report.cycles.size(), 2U);
    ASSERT_EQ(run.report.cycles[1].gaps.size(), 1U);
    EXPECT_EQ(run.report.cycles[1].gaps[0].wallMs, run.lastLineWallMs);
}

// The frame sent at the question's Yes, which puts the display right, is the resumed cycle's.
TEST_F(DayLogTest, AResumedCyclesReportListsEveryFrameSent) {
    const CrashedAndResumed run = crashAndResume(timed);
    ASSERT_EQ(run.report.cycles.size(), 2U);
    EXPECT_EQ(run.report.cycles[1].frames.size(), run.framesSent);
}

} // namespace
} // namespace aerolap::testing
