#include "FileSystemFaults.h"
#include "StateFileFixture.h"

namespace aerolap::testing {
namespace {

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
