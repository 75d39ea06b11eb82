#include "platform/LocalFileExistence.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace aerolap {
namespace {

TEST(LocalFileExistence, OnlyANormalFileCounts) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("aerolap-files-" + std::to_string(::getpid()));
    fs::create_directories(folder / "folder");
    std::ofstream(folder / "MSINFO32.EXE") << "x";
    fs::create_symlink(folder / "gone", folder / "broken");
    const LocalFileExistence files;
    EXPECT_TRUE(files.normalFileExists((folder / "MSINFO32.EXE").string()));
    for (const char* notAFile : {"folder", "missing", "broken"}) {
        EXPECT_FALSE(files.normalFileExists((folder / notAFile).string())) << notAFile;
    }
    EXPECT_FALSE(files.normalFileExists(""));
    fs::remove_all(folder);
}

} // namespace
} // namespace aerolap
