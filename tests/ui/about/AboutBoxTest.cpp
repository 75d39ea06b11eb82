// The about box: the system-information button on every path, with the byte rules of the
// registry read, and OK by every way out of its window.
#include "ScriptedMessageBoxes.h"
#include "SystemServiceDoubles.h"
#include "ui/about/AboutIcon.h"
#include "ui/about/frmAboutView.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>
#include <map>

namespace aerolap::testing {
namespace {

using namespace std::string_literals;
using Values = std::map<std::string, std::pair<std::uint32_t, std::string>>;

/// Values by "key|name", all under `HKEY_LOCAL_MACHINE`; a missing value, or one longer than the
/// buffer, fails as on the system. Counts the keys left open.
struct FakeRegistry final : Registry {
    Values values;
    std::string path;
    int open = 0;

    Status openKey(Key root, const std::string& key, std::uint32_t, std::uint32_t, Key&) override {
        path = key + "|";
        open += root == kLocalMachine ? 1 : 0;
        return root == kLocalMachine ? kSuccess : 2;
    }
    Status queryValue(Key, const std::string& name, std::uint32_t& type,
                      std::span<std::uint8_t> buffer, std::uint32_t& size) override {
        const auto found = values.find(path + name);
        if (found == values.end() || found->second.second.size() > size) {
            return 2;
        }
        type = found->second.first;
        size = static_cast<std::uint32_t>(found->second.second.size());
        std::ranges::copy(found->second.second, buffer.begin());
        return kSuccess;
    }
    void closeKey(Key) override { --open; }
};

struct AboutBox : ::testing::Test {
    AboutBox() {
        files.addFile("C:\\MSINFO\\MSINFO32.EXE");
        about.Form_Load();
    }
    FakeRegistry registry;
    FakeFileExistence files;
    RecordingProgramLauncher programs;
    ScriptedMessageBoxes messageBoxes;
    Window mainWindow{"main", false};
    frmAbout about{AboutBoxServices{registry, files, programs, messageBoxes}, mainWindow};
};

TEST_F(AboutBox, OkByEveryWayOutOfTheViewHandsOverToTheMainWindowOnce) {
    EXPECT_EQ(about.window.title() + "|" + about.lblTitle.caption(),
              "Informazioni su Aerolap|Aerolap");
    int unloads = 0;
    about.unloaded.connect([&unloads] { ++unloads; });
    // Enter on OK, and Esc anywhere, which is also where the close box lands.
    for (const auto& [name, key] :
         {std::pair{"cmdOK", Qt::Key_Return}, {"cmdSysInfo", Qt::Key_Escape}}) {
        mainWindow.setVisible(false);
        about.Form_Load();
        about.window.setVisible(true);
        QPointer<frmAboutView> view =
            new frmAboutView(about, {"Liberation Sans", "Liberation Sans"});
        QTest::keyClick(view->findChild<QPushButton*>(name), key);
        about.cmdOK.click(); // a queued second OK finds the box gone
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(view.isNull() && mainWindow.visible() && !about.window.visible()) << name;
    }
    EXPECT_EQ(unloads, 2);
}

struct SysInfoRow {
    const char* name;
    Values values;
    std::vector<std::string> started;
    friend void PrintTo(const SysInfoRow& row, std::ostream* out) { *out << row.name; }
};
struct SystemInfoButton : AboutBox, ::testing::WithParamInterface<SysInfoRow> {};

TEST_P(SystemInfoButton, StartsTheToolOrTellsItIsUnavailableAndKeepsTheBox) {
    registry.values = GetParam().values;
    about.cmdSysInfo.click();
    EXPECT_EQ(programs.attempts(), GetParam().started);
    const MessageBoxRequest unavailable{
        "Le informazioni sul sistema non sono attualmente disponibili.", "Aerolap"};
    const bool started = !programs.attempts().empty() && !programs.attempts()[0].empty();
    EXPECT_EQ(messageBoxes.shown(),
              started ? std::vector<MessageBoxRequest>{} : std::vector{unavailable});
    EXPECT_TRUE(about.loaded() && !mainWindow.visible() && registry.open == 0);
}

// The message comes exactly when nothing could be started (an empty path never starts).
// The first value is started as it stands, even where no such file is known; the folder's tool
// only when it is there. The value's bytes become the path by the registry read's rules: another
// type leaves it empty, which does not start.
constexpr auto kPath = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH";
constexpr auto kFolder = "SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO";
const SysInfoRow kSysInfoRows[] = {
    {"FirstValue", {{kPath, {1, "C:\\m.exe\0"s}}, {kFolder, {1, "C:\\MSINFO"}}}, {"C:\\m.exe"}},
    {"SecondValue", {{kFolder, {1, "C:\\MSINFO\0"s}}}, {"C:\\MSINFO\\MSINFO32.EXE"}},
    {"SecondValueWithoutTool", {{kFolder, {1, "C:\\TOOLS"}}}, {}},
    {"NoValue", {}, {}},
    {"FirstValueOfOtherType", {{kPath, {2, "C:\\m.exe"}}}, {""}},
    {"FirstValueOfZeroBytes", {{kPath, {1, ""}}}, {}},
    {"FirstValueWithoutZero", {{kPath, {1, "C:\\m.exe"}}}, {"C:\\m.exe"}},
    {"FirstValueLongerThanBuffer", {{kPath, {1, std::string(1025, 'x')}}}, {}},
    // 0x00000102 is stored 02 01 00 00; its zero top byte goes as if it were a terminator.
    {"FirstValueDword", {{kPath, {4, "\x02\x01\0\0"s}}}, {"&h000102"}},
    {"FirstValueDwordAllBytes", {{kPath, {4, "\xEF\xBE\x0D\xDE"}}}, {"&hDE0DBEEF"}}};
INSTANTIATE_TEST_SUITE_P(Paths, SystemInfoButton, ::testing::ValuesIn(kSysInfoRows),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(AboutIcon, ShowsFourEightsInTheDisplayOfAWhiteBody) {
    const QImage icon = aboutIcon().toImage();
    EXPECT_EQ(icon.pixelColor(15, 26), QColor(Qt::white)); // the body below the display
    for (const int x : {10, 14, 18, 22}) { // the middle of each digit: three bars, two sides
        EXPECT_EQ(
            std::vector({icon.pixelColor(x, 13), icon.pixelColor(x, 16), icon.pixelColor(x, 19),
                         icon.pixelColor(x - 1, 14), icon.pixelColor(x + 1, 18)}),
            std::vector<QColor>(5, Qt::white))
            << x;
    }
}

} // namespace
} // namespace aerolap::testing
