#include "systems/windows/Win32RegularFileOpener.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace aerolap {
namespace {

namespace fs = std::filesystem;

class Win32Files : public ::testing::Test {
protected:
    fs::path folder = fs::temp_directory_path() / "aerolap-files";
    void SetUp() override { fs::create_directories(folder); }
    void TearDown() override { fs::remove_all(folder); }

    Win32RegularFileOpener files;
};

TEST_F(Win32Files, OpensARegularFileForReadingFromItsStart) {
    std::ofstream(folder / "cue.wav", std::ios::binary) << "RIFF and the rest";
    const OpenedRegularFile opened = files.open(folder / "cue.wav", 64);
    ASSERT_TRUE(opened.file);
    char start[5] = {};
    ASSERT_EQ(std::fread(start, 1, 4, opened.file.get()), 4u);
    EXPECT_STREQ(start, "RIFF");
}

// A folder or a device name is refused without being opened; a serial port's name above all,
// whose open could wait on the line.
TEST_F(Win32Files, RefusesWhatIsNotARegularFileOfASaneSize) {
    fs::create_directory(folder / "folder.wav");
    std::ofstream(folder / "empty.wav");
    std::ofstream(folder / "large.wav") << std::string(65, 'x');
    const std::pair<fs::path, FileRefusal> cases[] = {
        {folder / "missing.wav", FileRefusal::Missing},
        {folder / "no folder" / "cue.wav", FileRefusal::Missing},
        {folder / "folder.wav", FileRefusal::NotRegular},
        {folder / "empty.wav", FileRefusal::Empty},
        {folder / "large.wav", FileRefusal::TooLarge},
    };
    for (const auto& [path, refusal] : cases) {
        const OpenedRegularFile opened = files.open(path, 64);
        EXPECT_FALSE(opened.file) << path;
        EXPECT_EQ(opened.refusal, refusal) << path << ": " << opened.systemError;
    }
    // Windows gives a device no attributes of a file; either way it is never opened.
    for (const char* device : {R"(\\.\NUL)", R"(\\.\COM1)", "CON"}) {
        const OpenedRegularFile opened = files.open(device, 64);
        EXPECT_FALSE(opened.file) << device;
        EXPECT_NE(opened.refusal, FileRefusal::None) << device;
    }
}

} // namespace
} // namespace aerolap
