#include "ui/about/frmAbout.h"

#include "FakeRegistry.h"
#include "ScriptedMessageBoxes.h"
#include "SystemServiceDoubles.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>

namespace aerolap::testing {
namespace {

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
    std::optional<FakeRegistry::Value> path;   // the tool's full path, the first value read
    std::optional<FakeRegistry::Value> folder; // the tool's folder, the second
    bool toolInFolder;
    bool startFails;
    std::vector<std::string> asked;
    std::vector<std::string> started;
    bool unavailable;

    friend void PrintTo(const SysInfoCase& row, std::ostream* out) { *out << row.name; }
};

class SystemInfoButton : public AboutBox, public ::testing::WithParamInterface<SysInfoCase> {};

TEST_P(SystemInfoButton, StartsTheToolOrShowsTheOneMessageAndKeepsTheBox) {
    const SysInfoCase& c = GetParam();
    if (c.path) {
        registry.setValue("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", *c.path);
    }
    if (c.folder) {
        registry.setValue("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", *c.folder);
    }
    if (c.toolInFolder) {
        files.addFile("C:\\MSINFO\\MSINFO32.EXE");
    }
    if (c.startFails) {
        programs.failEveryStart();
    }
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

constexpr std::uint32_t kRegSz = 1;
const FakeRegistry::Value kPath{kRegSz, bytesOf(std::string("C:\\PROGRA~1\\msinfo32.exe\0", 25))};
const FakeRegistry::Value kFolder{kRegSz, bytesOf(std::string("C:\\MSINFO\0", 10))};
const std::vector<std::string> kToolInFolder{"C:\\MSINFO\\MSINFO32.EXE"};

INSTANTIATE_TEST_SUITE_P(
    OnEveryPath, SystemInfoButton,
    ::testing::Values(
        // The first value is started as it is, without asking whether the file is there.
        SysInfoCase{
            "FirstValue", kPath, kFolder, true, false, {}, {"C:\\PROGRA~1\\msinfo32.exe"}, false},
        SysInfoCase{"SecondValue", {}, kFolder, true, false, kToolInFolder, kToolInFolder, false},
        SysInfoCase{
            "SecondValueWithoutTheTool", {}, kFolder, false, false, kToolInFolder, {}, true},
        SysInfoCase{"NoValue", {}, {}, false, false, {}, {}, true},
        SysInfoCase{
            "ToolWillNotStart", kPath, {}, false, true, {}, {"C:\\PROGRA~1\\msinfo32.exe"}, true},
        // Another type leaves the path empty, and an empty path does not start.
        SysInfoCase{"FirstValueOfAnotherType",
                    FakeRegistry::Value{2, bytesOf("%WINDIR%\\x.exe")},
                    {},
                    false,
                    false,
                    {},
                    {""},
                    true},
        SysInfoCase{"FirstValueOfZeroBytes",
                    FakeRegistry::Value{kRegSz, {}},
                    {},
                    false,
                    false,
                    {},
                    {},
                    true}),
    [](const ::testing::TestParamInfo<SysInfoCase>& param) { return param.param.name; });

} // namespace
} // namespace aerolap::testing
