#include "ui/about/frmAbout.h"

#include "FakeRegistry.h"
#include "ScriptedMessageBoxes.h"
#include "SystemServiceDoubles.h"

#include <gtest/gtest.h>

namespace aerolap::testing {
namespace {

constexpr auto kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr auto kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;

class AboutBox : public ::testing::Test {
protected:
    AboutBox() {
        about.Form_Load();
        about.window.setVisible(true);
    }

    FakeRegistry registry;
    FakeFileExistence files;
    RecordingProgramLauncher programs;
    ScriptedMessageBoxes messageBoxes;
    Window mainWindow{"main", false};
    frmAbout about{AboutBoxServices{registry, files, programs, messageBoxes}, mainWindow};
};

TEST_F(AboutBox, OkUnloadsTheBoxAndShowsTheMainWindowOnce) {
    int unloads = 0;
    about.unloaded.connect([&] { ++unloads; });
    about.cmdOK.click();
    EXPECT_FALSE(about.loaded());
    EXPECT_FALSE(about.window.visible());
    EXPECT_TRUE(mainWindow.visible());

    // A second OK (a queued key press, say) finds the box gone and does nothing more.
    mainWindow.setVisible(false);
    about.cmdOK_Click();
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(mainWindow.visible());
}

struct SysInfoCase {
    const char* name;
    void (*arrange)(FakeRegistry&, FakeFileExistence&, RecordingProgramLauncher&);
    std::vector<std::string> asked;
    std::vector<std::string> started;
    bool unavailable;
};

class SystemInfoButton : public AboutBox, public ::testing::WithParamInterface<SysInfoCase> {};

TEST_P(SystemInfoButton, StartsTheToolOrShowsTheOneMessageAndKeepsTheBox) {
    const SysInfoCase& c = GetParam();
    c.arrange(registry, files, programs);
    about.cmdSysInfo.click();
    EXPECT_EQ(files.asked(), c.asked);
    EXPECT_EQ(programs.attempts(), c.started);
    const MessageBoxRequest unavailable{
        "Le informazioni sul sistema non sono attualmente disponibili.", "Aerolap",
        MessageIcon::None, MessageButtons::Ok};
    EXPECT_EQ(messageBoxes.shown(),
              c.unavailable ? std::vector{unavailable} : std::vector<MessageBoxRequest>{});
    EXPECT_TRUE(about.loaded());
    EXPECT_FALSE(mainWindow.visible());
    EXPECT_EQ(registry.keysLeftOpen(), 0);
}

const std::string kSecondPath = "C:\\MSINFO\\MSINFO32.EXE";

INSTANTIATE_TEST_SUITE_P(
    OnEveryPath, SystemInfoButton,
    ::testing::Values(
        SysInfoCase{"FirstValueStartedUnchangedWithoutAnExistenceTest",
                    [](FakeRegistry& registry, FakeFileExistence&, RecordingProgramLauncher&) {
                        registry.setValue(
                            kPathKey, "PATH",
                            {kRegSz, bytesOf(std::string("C:\\PROGRA~1\\msinfo32.exe\0", 25))});
                        registry.setValue(kFolderKey, "MSINFO", {kRegSz, bytesOf("C:\\Other")});
                    },
                    {},
                    {"C:\\PROGRA~1\\msinfo32.exe"},
                    false},
        SysInfoCase{
            "SecondValueStartedWhenTheProgramIsThere",
            [](FakeRegistry& registry, FakeFileExistence& files, RecordingProgramLauncher&) {
                registry.setValue(kFolderKey, "MSINFO",
                                  {kRegSz, bytesOf(std::string("C:\\MSINFO\0", 10))});
                files.addFile(kSecondPath);
            },
            {kSecondPath},
            {kSecondPath},
            false},
        SysInfoCase{"SecondValueWithTheProgramMissing",
                    [](FakeRegistry& registry, FakeFileExistence&, RecordingProgramLauncher&) {
                        registry.setValue(kFolderKey, "MSINFO", {kRegSz, bytesOf("C:\\MSINFO")});
                    },
                    {kSecondPath},
                    {},
                    true},
        SysInfoCase{"NoRegistryEntry",
                    [](FakeRegistry&, FakeFileExistence&, RecordingProgramLauncher&) {},
                    {},
                    {},
                    true},
        SysInfoCase{
            "ProgramWillNotStart",
            [](FakeRegistry& registry, FakeFileExistence&, RecordingProgramLauncher& programs) {
                registry.setValue(kPathKey, "PATH", {kRegSz, bytesOf("C:\\x.exe")});
                programs.failEveryStart();
            },
            {},
            {"C:\\x.exe"},
            true},
        // Another type leaves the path empty, and an empty path does not start.
        SysInfoCase{
            "FirstValueOfAnotherType",
            [](FakeRegistry& registry, FakeFileExistence&, RecordingProgramLauncher&) {
                registry.setValue(kPathKey, "PATH", {kRegExpandSz, bytesOf("%WINDIR%\\x.exe")});
            },
            {},
            {""},
            true},
        SysInfoCase{"FirstValueOfZeroBytes",
                    [](FakeRegistry& registry, FakeFileExistence&, RecordingProgramLauncher&) {
                        registry.setValue(kPathKey, "PATH", {kRegSz, {}});
                    },
                    {},
                    {},
                    true}),
    [](const ::testing::TestParamInfo<SysInfoCase>& param) { return param.param.name; });

} // namespace
} // namespace aerolap::testing
