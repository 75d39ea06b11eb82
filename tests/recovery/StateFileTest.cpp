#include "recovery/StateFile.h"

#include "VirtualTime.h"
#include "recovery/CycleRecordJson.h"

#include <QTemporaryDir>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

CycleRecord aRunningCycle(WallClock::TimePoint began) {
    return {false,
            {"TO LIBERO", "00.00.45", "00.07.00", true, {{"Check1", true}, {"Check16", false}}},
            RecordedCycle{began, CyclePhase::WorkingTime, began + 45s, "00.00.45", "00.07.00",
                          false, false, true},
            RecordedSchedule{"/contest/day.json", {2, 1, 0}}};
}

std::string contentOf(const std::filesystem::path& path) {
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), {}};
}

/// A state folder of its own, the notices told, and the wall clock of a fixed day.
struct StateFileFixture : ::testing::Test {
    std::string noticesText() const { return lines.str(); }
    int noticeCount() const { return static_cast<int>(notices.entries().size()); }

    VirtualTime time;
    std::ostringstream lines;
    NoticeBoard notices{time.wall, lines};
    QTemporaryDir folder;
    std::filesystem::path stateFolder = folder.filePath(QStringLiteral("state")).toStdString();
};

TEST_F(StateFileFixture, WritesAndReadsBackARecordWholeAndEachNewerOneReplacesIt) {
    StateFile file(stateFolder, notices);
    EXPECT_EQ(file.read(time.wall.now()), std::nullopt) << "no file yet: nothing, and no word";
    const CycleRecord record = aRunningCycle(time.wall.now() - 2min);
    CycleRecord clean = record;
    clean.clean = true;
    clean.cycle.reset();
    file.write(record);
    file.flush();
    EXPECT_EQ(file.read(time.wall.now()), record);
    file.write(clean);
    file.flush();
    EXPECT_EQ(file.read(time.wall.now()), clean);
    EXPECT_EQ(noticeCount(), 0) << noticesText();
}

struct BadState {
    const char* name;
    std::function<std::string(const CycleRecord&)> bytes;
    const char* fault;
};

const BadState kBadStates[] = {
    {"Truncated", [](const auto& r) { return cycleRecordJson(r).left(120).toStdString(); },
     "is cut short"},
    {"Empty", [](const auto&) { return std::string(); }, "is empty"},
    {"NotJson", [](const auto&) { return std::string("round 3, group 2"); }, "is not JSON"},
    {"NotOurs", [](const auto&) { return std::string(R"({"rounds": []})"); },
     "is not a state file of Aerolap"},
    {"FromANewerVersion",
     [](const auto& r) {
         return cycleRecordJson(r)
             .replace("\"aerolap_state\": 1", "\"aerolap_state\": 2")
             .toStdString();
     },
     "was written by a newer version of Aerolap"},
    {"WithABadPhase",
     [](const auto& r) {
         return cycleRecordJson(r).replace("working time", "lunch").toStdString();
     },
     "has no readable \"phase\""},
    {"ForACycleThatBeginsInTheFuture",
     [](const auto& r) {
         CycleRecord future = r;
         future.cycle->began += 1h;
         return cycleRecordJson(future).toStdString();
     },
     "holds a cycle that begins in the future"},
};

class BadStateFile : public StateFileFixture, public ::testing::WithParamInterface<BadState> {};

// Each gets one notice naming the file and the fault; the timer starts afresh, and the file is
// kept beside, byte for byte, since the next record replaces it.
TEST_P(BadStateFile, IsNamedWithItsFaultAndKeptAside) {
    std::filesystem::create_directories(stateFolder);
    const std::string bytes = GetParam().bytes(aRunningCycle(time.wall.now() - 1min));
    std::ofstream(stateFolder / StateFile::kName) << bytes;
    StateFile file(stateFolder, notices);
    EXPECT_EQ(file.read(time.wall.now()), std::nullopt);
    ASSERT_EQ(noticeCount(), 1) << noticesText();
    const std::string told = notices.entries()[0].text;
    EXPECT_NE(told.find((stateFolder / StateFile::kName).string()), std::string::npos) << told;
    EXPECT_NE(told.find(GetParam().fault), std::string::npos) << told;
    EXPECT_EQ(contentOf(stateFolder / (std::string(StateFile::kName) + ".unreadable")), bytes);
}

INSTANTIATE_TEST_SUITE_P(Faults, BadStateFile, ::testing::ValuesIn(kBadStates),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(StateFileFixture, AFolderInPlaceOfTheFileIsNamedOnReadingAndWriting) {
    std::filesystem::create_directories(stateFolder / StateFile::kName);
    StateFile file(stateFolder, notices);
    EXPECT_EQ(file.read(time.wall.now()), std::nullopt);
    EXPECT_NE(noticesText().find("is not a regular file"), std::string::npos) << noticesText();
    file.write(aRunningCycle(time.wall.now()));
    file.flush();
    EXPECT_EQ(noticeCount(), 2) << noticesText();
    EXPECT_EQ(notices.entries()[1].urgency, Notice::Urgency::ActNow);
    EXPECT_TRUE(std::filesystem::is_directory(stateFolder / StateFile::kName)) << "left alone";
}

/// Takes away, while it lives, what lets root write where the permissions say no (capabilities
/// are per thread, and the writer's thread is made after this, so it inherits the lack).
class WithoutRootsFilePowers {
public:
    WithoutRootsFilePowers() {
        syscall(SYS_capget, &m_header, m_saved);
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &=
            ~((1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH) | (1U << CAP_FOWNER));
        syscall(SYS_capset, &m_header, reduced);
    }
    ~WithoutRootsFilePowers() { syscall(SYS_capset, &m_header, m_saved); }
    WithoutRootsFilePowers(const WithoutRootsFilePowers&) = delete;
    WithoutRootsFilePowers& operator=(const WithoutRootsFilePowers&) = delete;

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
};

/// Lets no file grow past a few bytes while it lives, as a full disk would.
class FullDisk {
public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit full = m_saved;
        full.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &full);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_signal);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_saved{};
    void (*m_signal)(int) = nullptr;
};

// A folder that is a file, one that cannot be written, a full disk: each is one urgent notice
// naming the file and the fault, not one per record; the timer's records go on being handed over,
// and once the file can be written again, the director hears so and the record is there.
TEST_F(StateFileFixture, AFolderThatIsAFileIsToldOnceAndTheFileIsWrittenOnceItCanBe) {
    std::ofstream(stateFolder.string()) << "not a folder";
    StateFile file(stateFolder, notices);
    for (int record = 0; record < 3; ++record) {
        file.write(aRunningCycle(time.wall.now()));
        file.flush();
    }
    ASSERT_EQ(noticeCount(), 1) << noticesText();
    EXPECT_EQ(notices.entries()[0].urgency, Notice::Urgency::ActNow);
    EXPECT_NE(noticesText().find(stateFolder.string() + " is a file"), std::string::npos);
    std::filesystem::remove(stateFolder);
    file.write(aRunningCycle(time.wall.now()));
    file.flush();
    EXPECT_NE(noticesText().find("is written again"), std::string::npos) << noticesText();
    EXPECT_EQ(file.read(time.wall.now()), aRunningCycle(time.wall.now()));
}

TEST_F(StateFileFixture, AReadOnlyFolderIsToldOnce) {
    std::filesystem::create_directories(stateFolder);
    std::filesystem::permissions(stateFolder, std::filesystem::perms::owner_read |
                                                  std::filesystem::perms::owner_exec);
    const WithoutRootsFilePowers asAUser;
    StateFile file(stateFolder, notices);
    file.write(aRunningCycle(time.wall.now()));
    file.write(aRunningCycle(time.wall.now()));
    file.flush();
    file.write(aRunningCycle(time.wall.now()));
    file.flush();
    ASSERT_EQ(noticeCount(), 1) << noticesText();
    EXPECT_NE(noticesText().find((stateFolder / StateFile::kName).string() + " cannot be written"),
              std::string::npos)
        << noticesText();
    std::filesystem::permissions(stateFolder, std::filesystem::perms::owner_all);
}

TEST_F(StateFileFixture, AFullDiskIsToldAndLeavesTheLastRecordWhole) {
    const CycleRecord before = aRunningCycle(time.wall.now() - 1min);
    {
        StateFile file(stateFolder, notices);
        file.write(before);
        file.flush();
    }
    {
        const FullDisk full;
        StateFile file(stateFolder, notices);
        file.write(aRunningCycle(time.wall.now()));
        file.flush();
    }
    ASSERT_EQ(noticeCount(), 1) << noticesText();
    EXPECT_EQ(notices.entries()[0].urgency, Notice::Urgency::ActNow);
    EXPECT_EQ(StateFile(stateFolder, notices).read(time.wall.now()), before);
}

} // namespace
} // namespace aerolap::testing
