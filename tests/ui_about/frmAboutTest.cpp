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

const MessageBoxRequest kUnavailable{
    "Le informazioni sul sistema non sono attualmente disponibili.", "Aerolap", MessageIcon::None,
    MessageButtons::Ok};

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

TEST_F(AboutBox, LoadSetsTheTitlesAndKeepsTheStoredTexts) {
    EXPECT_EQ(about.window.title(), "Informazioni su Aerolap");
    EXPECT_EQ(about.lblTitle.caption(), "Aerolap");
    EXPECT_EQ(about.lblVersion.caption(), "Versione 3.4.2 del 12-03-2008");
    EXPECT_EQ(about.lblDescription.caption(),
              "ATTENZIONE DISABILITARE SCREEN SAVER, E RISPARMIO ENERGETICO.");
    EXPECT_EQ(about.lblDisclaimer.caption(), "");
    EXPECT_EQ(about.cmdOK.caption(), "OK");
    EXPECT_EQ(about.cmdSysInfo.caption(), "&System Info...");
}

TEST_F(AboutBox, OkUnloadsTheBoxAndShowsTheMainWindowOnce) {
    int unloads = 0;
    about.unloaded.connect([&] { ++unloads; });
    about.cmdOK.click();
    EXPECT_FALSE(about.loaded());
    EXPECT_FALSE(about.window.visible());
    EXPECT_TRUE(mainWindow.visible());
    EXPECT_EQ(unloads, 1);

    // A second OK (a queued key press, say) finds the box gone and does nothing more.
    mainWindow.setVisible(false);
    about.cmdOK_Click();
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(mainWindow.visible());
}

TEST_F(AboutBox, FirstValueIsStartedUnchangedWithoutAnExistenceTest) {
    registry.setValue(kPathKey, "PATH",
                      {kRegSz, bytesOf(std::string("C:\\PROGRA~1\\msinfo32.exe\0", 25))});
    registry.setValue(kFolderKey, "MSINFO", {kRegSz, bytesOf("C:\\Other")});
    about.cmdSysInfo.click();
    EXPECT_EQ(programs.attempts(), std::vector<std::string>{"C:\\PROGRA~1\\msinfo32.exe"});
    EXPECT_TRUE(files.asked().empty());
    EXPECT_TRUE(messageBoxes.shown().empty());
    EXPECT_TRUE(about.loaded());
    EXPECT_FALSE(mainWindow.visible());
}

TEST_F(AboutBox, SecondValueIsStartedWithTheProgramNameWhenTheFileExists) {
    registry.setValue(kFolderKey, "MSINFO", {kRegSz, bytesOf(std::string("C:\\MSINFO\0", 10))});
    files.addFile("C:\\MSINFO\\MSINFO32.EXE");
    about.cmdSysInfo.click();
    EXPECT_EQ(files.asked(), std::vector<std::string>{"C:\\MSINFO\\MSINFO32.EXE"});
    EXPECT_EQ(programs.attempts(), std::vector<std::string>{"C:\\MSINFO\\MSINFO32.EXE"});
    EXPECT_TRUE(messageBoxes.shown().empty());
}

TEST_F(AboutBox, SecondValueWithTheProgramMissingShowsTheMessageAndStartsNothing) {
    registry.setValue(kFolderKey, "MSINFO", {kRegSz, bytesOf("C:\\MSINFO")});
    about.cmdSysInfo.click();
    EXPECT_EQ(files.asked(), std::vector<std::string>{"C:\\MSINFO\\MSINFO32.EXE"});
    EXPECT_TRUE(programs.attempts().empty());
    EXPECT_EQ(messageBoxes.shown(), std::vector<MessageBoxRequest>{kUnavailable});
    EXPECT_TRUE(about.loaded());
}

struct UnavailableCase {
    const char* name;
    void (*arrange)(FakeRegistry&, RecordingProgramLauncher&);
};

class AboutBoxWithoutTheTool : public AboutBox,
                               public ::testing::WithParamInterface<UnavailableCase> {};

TEST_P(AboutBoxWithoutTheTool, ShowsTheOneMessageAndStaysOpen) {
    GetParam().arrange(registry, programs);
    about.cmdSysInfo.click();
    EXPECT_EQ(messageBoxes.shown(), std::vector<MessageBoxRequest>{kUnavailable});
    EXPECT_TRUE(about.loaded());
    EXPECT_TRUE(about.window.visible());
    EXPECT_FALSE(mainWindow.visible());
    EXPECT_EQ(registry.keysLeftOpen(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    OnEveryPath, AboutBoxWithoutTheTool,
    ::testing::Values(
        UnavailableCase{"NoRegistryEntry", [](FakeRegistry&, RecordingProgramLauncher&) {}},
        UnavailableCase{"ProgramWillNotStart",
                        [](FakeRegistry& registry, RecordingProgramLauncher& programs) {
                            registry.setValue(kPathKey, "PATH", {kRegSz, bytesOf("C:\\x.exe")});
                            programs.failEveryStart();
                        }},
        // Another type leaves the path empty, and an empty path does not start.
        UnavailableCase{
            "FirstValueOfAnotherType",
            [](FakeRegistry& registry, RecordingProgramLauncher&) {
                registry.setValue(kPathKey, "PATH", {kRegExpandSz, bytesOf("%WINDIR%\\x.exe")});
            }},
        UnavailableCase{"FirstValueOfZeroBytes",
                        [](FakeRegistry& registry, RecordingProgramLauncher&) {
                            registry.setValue(kPathKey, "PATH", {kRegSz, {}});
                        }}),
    [](const ::testing::TestParamInfo<UnavailableCase>& param) { return param.param.name; });

} // namespace
} // namespace aerolap::testing
