// The about box: the byte rules of the registry read, the system-information button on every
// path, and OK by every way out of its window.
#include "ScriptedMessageBoxes.h"
#include "SystemServiceDoubles.h"
#include "ui/about/GetKeyValue.h"
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

struct KeyValueRow {
    const char* name;
    std::uint32_t type;
    std::string bytes;
    std::int16_t result;
    std::string text;
    friend void PrintTo(const KeyValueRow& row, std::ostream* out) { *out << row.name; }
};
class GetKeyValueTest : public ::testing::TestWithParam<KeyValueRow> {};

TEST_P(GetKeyValueTest, ReadsTheValueAsTextAndClosesTheKey) {
    FakeRegistry registry;
    registry.values["SOFTWARE\\K|V"] = {GetParam().type, GetParam().bytes};
    std::string text = "old";
    const Registry::Key root = GetParam().type == 0 ? 0x80000001 : Registry::kLocalMachine;
    EXPECT_EQ(GetKeyValue(registry, root, "SOFTWARE\\K", "V", text), GetParam().result);
    EXPECT_EQ(text, GetParam().text);
    EXPECT_EQ(registry.open, 0);
}

// 0x00000102 is stored 02 01 00 00; its zero top byte goes as if it were a terminator.
const KeyValueRow kKeyValueRows[] = {{"StringWithZero", 1, "C:\\m.exe\0"s, -1, "C:\\m.exe"},
                                     {"StringWithoutZero", 1, "C:\\m.exe", -1, "C:\\m.exe"},
                                     {"DwordLosesZeroTopByte", 4, "\x02\x01\0\0"s, -1, "&h000102"},
                                     {"DwordAllBytes", 4, "\xEF\xBE\x0D\xDE", -1, "&hDE0DBEEF"},
                                     {"OtherTypeKeepsText", 2, "%x%\0"s, -1, "old"},
                                     {"LongerThanBuffer", 1, std::string(1025, 'x'), 0, ""},
                                     {"NoSuchKey", 0, "x", 0, ""}};
INSTANTIATE_TEST_SUITE_P(Rows, GetKeyValueTest, ::testing::ValuesIn(kKeyValueRows),
                         [](const auto& i) { return std::string(i.param.name); });

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
        QPointer<frmAboutView> view = new frmAboutView(about);
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
    bool unavailable;
    friend void PrintTo(const SysInfoRow& row, std::ostream* out) { *out << row.name; }
};
struct SystemInfoButton : AboutBox, ::testing::WithParamInterface<SysInfoRow> {};

TEST_P(SystemInfoButton, StartsTheToolOrTellsItIsUnavailableAndKeepsTheBox) {
    registry.values = GetParam().values;
    about.cmdSysInfo.click();
    EXPECT_EQ(programs.attempts(), GetParam().started);
    const MessageBoxRequest unavailable{
        "Le informazioni sul sistema non sono attualmente disponibili.", "Aerolap"};
    EXPECT_EQ(messageBoxes.shown(),
              GetParam().unavailable ? std::vector{unavailable} : std::vector<MessageBoxRequest>{});
    EXPECT_TRUE(about.loaded() && !mainWindow.visible() && registry.open == 0);
}

// The first value is started as it stands, even where no such file is known; the folder's tool
// only when it is there. Another type leaves the path empty, which does not start.
constexpr auto kPath = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH";
constexpr auto kFolder = "SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO";
const SysInfoRow kSysInfoRows[] = {
    {"FirstValue",
     {{kPath, {1, "C:\\m.exe\0"s}}, {kFolder, {1, "C:\\MSINFO"}}},
     {"C:\\m.exe"},
     false},
    {"SecondValue", {{kFolder, {1, "C:\\MSINFO\0"s}}}, {"C:\\MSINFO\\MSINFO32.EXE"}, false},
    {"SecondValueWithoutTool", {{kFolder, {1, "C:\\TOOLS"}}}, {}, true},
    {"NoValue", {}, {}, true},
    {"FirstValueOfOtherType", {{kPath, {2, "C:\\m.exe"}}}, {""}, true},
    {"FirstValueOfZeroBytes", {{kPath, {1, ""}}}, {}, true}};
INSTANTIATE_TEST_SUITE_P(Paths, SystemInfoButton, ::testing::ValuesIn(kSysInfoRows),
                         [](const auto& i) { return std::string(i.param.name); });

} // namespace
} // namespace aerolap::testing
