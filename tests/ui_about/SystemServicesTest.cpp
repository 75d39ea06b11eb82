#include "platform/LocalFileExistence.h"
#include "platform/NoRegistry.h"
#include "ui/about/GetKeyValue.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace aerolap {
namespace {

class LocalFiles : public ::testing::Test {
protected:
    LocalFiles() {
        std::filesystem::create_directories(m_folder);
        std::ofstream(m_folder / "MSINFO32.EXE") << "x";
        std::filesystem::create_directory(m_folder / "folder");
        std::filesystem::create_symlink(m_folder / "gone", m_folder / "broken");
    }
    ~LocalFiles() override { std::filesystem::remove_all(m_folder); }

    std::string at(const char* name) const { return (m_folder / name).string(); }

    const std::filesystem::path m_folder =
        std::filesystem::temp_directory_path() / ("aerolap-files-" + std::to_string(::getpid()));
    LocalFileExistence m_files;
};

TEST_F(LocalFiles, OnlyANormalFileCounts) {
    EXPECT_TRUE(m_files.normalFileExists(at("MSINFO32.EXE")));
    EXPECT_FALSE(m_files.normalFileExists(at("folder")));
    EXPECT_FALSE(m_files.normalFileExists(at("missing")));
    EXPECT_FALSE(m_files.normalFileExists(at("broken")));
    EXPECT_FALSE(m_files.normalFileExists(""));
}

TEST(NoRegistryAtAll, EveryLookUpFailsWithEmptyText) {
    NoRegistry registry;
    std::string text = "before";
    EXPECT_EQ(GetKeyValue(registry, Registry::kLocalMachine,
                          "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", text),
              0);
    EXPECT_EQ(text, "");
}

} // namespace
} // namespace aerolap
