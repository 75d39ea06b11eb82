#include "schedule/ScheduleFile.h"


#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace aerolap {
namespace {

class ScheduleFile : public ::testing::Test {
protected:
    std::string write(const std::string& text) {
        QFile file(QString::fromStdString(path));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
        return path;
    }
    std::string contents() const {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "";
    }

    QTemporaryDir folder;
    std::string path = folder.filePath(QStringLiteral("club.json")).toStdString();
};

struct BadFile {
    const char* name;
    std::string json;
    const char* message; // after "Schedule <path>"
    friend void PrintTo(const BadFile& file, std::ostream* out) { *out << file.name; }
};

std::string withRound(const std::string& round, const std::string& top = "") {
    return "{" + top + R"("rounds": [{"working": "00.07.00", "groups": 2}, {)" + round + "}]}";
}
std::string timedRound(const std::string& fields) {
    return withRound(R"("working": "00.07.00")" + fields);
}
std::string rounds(int count) {
    std::string listed;
    for (int i = 0; i < count; ++i) {
        listed += R"({"working": "00.07.00"},)";
    }
    return R"({"rounds": [)" + listed + "{}]}";
}

/// Every cycle a schedule flies: where, the task and title, and its times.
std::vector<std::string> cyclesOf(const Schedule& schedule) {
    std::vector<std::string> cycles;
    for (auto at = std::optional(SchedulePosition{}); at; at = nextPosition(schedule, *at)) {
        const ScheduleRound& round = schedule.rounds[static_cast<std::size_t>(at->round)];
        std::string cycle = round.task + " " + round.title;
        for (const int number :
             {at->round, at->group, at->flight, planOf(schedule, *at).preparation,
              planOf(schedule, *at).test, planOf(schedule, *at).noFly,
              planOf(schedule, *at).working, planOf(schedule, *at).gap}) {
            cycle += " " + std::to_string(number);
        }
        cycles.push_back(cycle);
    }
    return cycles;
}

const BadFile kBadFiles[] = {
    {"NotJson", "{\n \"name\": \"x\"\n \"gap\": 1}", ", line 3: not JSON (unterminated object)"},
    {"NotAnObject", "[1]", ": must hold one object in braces"},
    {"NoRounds", R"({"rounds": []})", ": rounds: must be a list of at least one round in brackets"},
    {"RoundNotObject", R"({"rounds": [3]})", ": round 1: must be an object in braces"},
    {"TimeNotText", withRound(R"("working": 420)"), ": round 2, working: must be a text in quotes"},
    {"BadTime", withRound(R"("working": "7:00")"),
     ": round 2, working: \"7:00\" is not a time written HH.MM.SS"},
    {"NoWorkingTime", withRound(R"("task": "A")"), ": round 2, working: is missing"},
    {"ZeroPreparation", withRound(R"("working": "00.07.00")", R"("preparation": "00.00.00",)"),
     ": preparation: must not be 00.00.00"},
    {"ZeroRoundPreparation", timedRound(R"(, "preparation": "00.00.00")"),
     ": round 2, preparation: must not be 00.00.00"},
    {"WindowsLongerThanPreparation",
     timedRound(R"(, "test": "00.00.45", "no_fly": "00.01.00", "preparation": "00.01.30")"),
     ": round 2, test: test and no_fly together are longer than the preparation 00.01.30"},
    {"ZeroGroups", timedRound(R"(, "groups": 0)"), ": round 2, groups: must be from 1 to 99"},
    {"TooManyFlights", timedRound(R"(, "flights": 10)"), ": round 2, flights: must be from 1 to 9"},
    {"FractionOfAGroup", timedRound(R"(, "groups": 1.5)"),
     ": round 2, groups: must be a whole number"},
    {"FrameNotAFlag", withRound(R"("working": "00.07.00")", R"("extended_frame": "yes",)"),
     ": extended_frame: must be true or false"},
    {"TooManyRounds", rounds(99), ": rounds: has more than 99 rounds"},
};

class BadScheduleFile : public ScheduleFile, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadScheduleFile, IsRefusedWithOneMessageAndLeftUntouched) {
    const LoadedSchedule loaded = loadSchedule(write(GetParam().json));
    EXPECT_FALSE(loaded.schedule);
    EXPECT_EQ(loaded.error, "Schedule " + path + GetParam().message);
    EXPECT_EQ(contents(), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(, BadScheduleFile, ::testing::ValuesIn(kBadFiles),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(ScheduleFile, ReadsDefaultsAndOverridesAndSavesKeepingUnknownFields) {
    LoadedSchedule loaded = loadSchedule(write(R"({"name": "Club", "test": "00.00.45",
        "no_fly": "00.01.00", "judge": {"name": "Ann"},
        "rounds": [{"task": "C", "working": "00.03.03", "groups": 2, "flights": 3, "colour": 7},
                   {"task": "B", "working": "00.10.00", "preparation": "00.03.00"}]})"));
    ASSERT_TRUE(loaded.schedule) << loaded.error;
    Schedule& schedule = *loaded.schedule;
    EXPECT_EQ(planOf(schedule, {0, 1, 0}).preparation, 300);
    EXPECT_EQ(planOf(schedule, {0, 1, 2}).preparation, 60); // a later flight: the no-fly window
    EXPECT_EQ(planOf(schedule, {0, 1, 2}).test, 0);
    EXPECT_EQ(planOf(schedule, {1, 0, 0}).preparation, 180);
    EXPECT_EQ(planOf(schedule, {1, 0, 0}).gap, 30);

    schedule.rounds[1].working = 420;
    schedule.extendedFrame = true;
    ASSERT_EQ(saveSchedule(schedule, path), std::nullopt);
    const LoadedSchedule again = loadSchedule(path);
    ASSERT_TRUE(again.schedule) << again.error;
    EXPECT_EQ(cyclesOf(*again.schedule), cyclesOf(schedule)) << "lost in saving";
    EXPECT_EQ(again.schedule->rounds[1].working, 420);
    EXPECT_TRUE(again.schedule->extendedFrame);
    EXPECT_EQ(again.schedule->unknown.value(QStringLiteral("judge"))[QStringLiteral("name")],
              QStringLiteral("Ann"));
    EXPECT_EQ(again.schedule->rounds[0].unknown.value(QStringLiteral("colour")).toInt(), 7);
}

// Whatever else a name stands for is refused without being opened, so nothing blocks or runs on.
TEST_F(ScheduleFile, RefusesWhatIsNotASmallRegularFileWithoutOpeningIt) {
    const std::string fifo = folder.filePath(QStringLiteral("fifo.json")).toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    write(std::string(1024 * 1024 + 1, ' '));
    const std::pair<std::string, const char*> cases[] = {
        {fifo, "is not a regular file"},
        {folder.path().toStdString(), "is not a regular file"},
        {path, "is larger than 1024 KB"},
        {path + ".gone", "does not exist"}};
    for (const auto& [file, problem] : cases) {
        EXPECT_EQ(loadSchedule(file).error, "Schedule " + file + ": " + problem);
    }
}

} // namespace
} // namespace aerolap
