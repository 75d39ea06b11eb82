// The about box: its handlers, the byte rules of the registry read, the system-information
// button on every path, and the ways out of its window.
#include "ScriptedMessageBoxes.h"
#include "SystemServiceDoubles.h"
#include "ui/about/GetKeyValue.h"
#include "ui/about/frmAboutView.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

namespace aerolap::testing {
namespace {

using namespace std::string_literals;
constexpr auto kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr auto kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

/// Values under `HKEY_LOCAL_MACHINE` that answer as the system does; counts the keys left open.
struct FakeRegistry final : Registry {
    std::map<std::string, std::map<std::string, std::pair<std::uint32_t, std::string>>> keys;
    std::vector<std::string> opened;
    int open = 0;

    Status openKey(Key root, const std::string& path, std::uint32_t, std::uint32_t,
                   Key& key) override {
        if (root != kLocalMachine || !keys.contains(path)) {
            return 2; // not found
        }
        opened.push_back(path);
        key = opened.size();
        ++open;
        return kSuccess;
    }
    Status queryValue(Key key, const std::string& name, std::uint32_t& type,
                      std::span<std::uint8_t> buffer, std::uint32_t& size) override {
        const auto& values = keys.at(opened.at(key - 1));
        const auto found = values.find(name);
        if (found == values.end() || found->second.second.size() > size) {
            return found == values.end() ? 2 : 234; // not found, more data
        }
        type = found->second.first;
        size = static_cast<std::uint32_t>(found->second.second.size());
        std::copy(found->second.second.begin(), found->second.second.end(), buffer.begin());
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
    const char* key = kPathKey;
    friend void PrintTo(const KeyValueRow& row, std::ostream* out) { *out << row.name; }
};

class GetKeyValueTest : public ::testing::TestWithParam<KeyValueRow> {};

TEST_P(GetKeyValueTest, ReadsTheValueAsTextAndClosesTheKey) {
    FakeRegistry registry;
    registry.keys[kPathKey]["PATH"] = {GetParam().type, GetParam().bytes};
    std::string text = "old";
    EXPECT_EQ(GetKeyValue(registry, Registry::kLocalMachine, GetParam().key, "PATH", text),
              GetParam().result);
    EXPECT_EQ(text, GetParam().text);
    EXPECT_EQ(registry.open, 0);
}

// 0x00000102 is stored 02 01 00 00; its zero top byte goes as if it were a terminator.
INSTANTIATE_TEST_SUITE_P(
    Rows, GetKeyValueTest,
    ::testing::Values(KeyValueRow{"StringWithZero", 1, "C:\\m.exe\0"s, -1, "C:\\m.exe"},
                      KeyValueRow{"StringWithoutZero", 1, "C:\\m.exe", -1, "C:\\m.exe"},
                      KeyValueRow{"DwordLosesZeroTopByte", 4, "\x02\x01\0\0"s, -1, "&h000102"},
                      KeyValueRow{"DwordAllBytes", 4, "\xEF\xBE\x0D\xDE", -1, "&hDE0DBEEF"},
                      KeyValueRow{"OtherTypeKeepsText", 2, "%x%\0"s, -1, "old"},
                      KeyValueRow{"LongerThanBuffer", 1, std::string(1025, 'x'), 0, ""},
                      KeyValueRow{"NoSuchKey", 1, "x", 0, "", "SOFTWARE\\Nowhere"}),
    [](const auto& i) { return std::string(i.param.name); });

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

TEST_F(AboutBox, LoadTitlesTheBoxAndOkHandsOverToTheMainWindowOnce) {
    EXPECT_EQ(about.window.title(), "Informazioni su Aerolap");
    EXPECT_EQ(about.lblTitle.caption(), "Aerolap");
    int unloads = 0;
    about.unloaded.connect([&] { ++unloads; });
    about.cmdOK.click();
    EXPECT_FALSE(about.window.visible());
    EXPECT_TRUE(mainWindow.visible());
    mainWindow.setVisible(false);
    about.cmdOK.click(); // a queued second OK finds the box gone
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(mainWindow.visible());
}

struct SysInfoRow {
    const char* name;
    std::uint32_t pathType; // 0: no first value
    std::string path;
    std::string folder; // empty: no second value
    bool toolInFolder;
    bool startFails;
    std::vector<std::string> started;
    bool unavailable;
    friend void PrintTo(const SysInfoRow& row, std::ostream* out) { *out << row.name; }
};

class SystemInfoButton : public AboutBox, public ::testing::WithParamInterface<SysInfoRow> {};

TEST_P(SystemInfoButton, StartsTheToolOrTellsItIsUnavailableAndKeepsTheBox) {
    const SysInfoRow& row = GetParam();
    if (row.pathType != 0) {
        registry.keys[kPathKey]["PATH"] = {row.pathType, row.path};
    }
    if (!row.folder.empty()) {
        registry.keys[kFolderKey]["MSINFO"] = {1, row.folder + '\0'};
    }
    if (row.toolInFolder) {
        files.addFile("C:\\MSINFO\\MSINFO32.EXE");
    }
    if (row.startFails) {
        programs.failEveryStart();
    }
    about.cmdSysInfo.click();
    EXPECT_EQ(programs.attempts(), row.started);
    // The first value is started as it stands; only the folder's tool is looked for.
    EXPECT_EQ(files.asked().size(), row.pathType == 0 && !row.folder.empty() ? 1U : 0U);
    const MessageBoxRequest unavailable{
        "Le informazioni sul sistema non sono attualmente disponibili.", "Aerolap"};
    EXPECT_EQ(messageBoxes.shown(),
              row.unavailable ? std::vector{unavailable} : std::vector<MessageBoxRequest>{});
    EXPECT_TRUE(about.loaded() && !mainWindow.visible());
    EXPECT_EQ(registry.open, 0);
}

const auto kTool = "C:\\MSINFO\\MSINFO32.EXE"s;
INSTANTIATE_TEST_SUITE_P(
    Paths, SystemInfoButton,
    ::testing::Values(
        SysInfoRow{"FirstValue",
                   1,
                   "C:\\P\\msinfo32.exe\0"s,
                   "C:\\MSINFO",
                   true,
                   false,
                   {"C:\\P\\msinfo32.exe"},
                   false},
        SysInfoRow{"SecondValue", 0, "", "C:\\MSINFO", true, false, {kTool}, false},
        SysInfoRow{"SecondValueWithoutTool", 0, "", "C:\\MSINFO", false, false, {}, true},
        SysInfoRow{"NoValue", 0, "", "", false, false, {}, true},
        SysInfoRow{"ToolWillNotStart", 1, "C:\\m.exe", "", false, true, {"C:\\m.exe"}, true},
        SysInfoRow{"FirstValueOfOtherType", 2, "C:\\m.exe", "", false, false, {""}, true},
        SysInfoRow{"FirstValueOfZeroBytes", 1, "", "", false, false, {}, true}),
    [](const auto& i) { return std::string(i.param.name); });

struct WayOutRow {
    const char* name;
    void (*act)(QWidget& box);
    friend void PrintTo(const WayOutRow& row, std::ostream* out) { *out << row.name; }
};

class AboutBoxWayOut : public AboutBox, public ::testing::WithParamInterface<WayOutRow> {};

TEST_P(AboutBoxWayOut, IsOkAndTheViewGoesAway) {
    QPointer<frmAboutView> view = new frmAboutView(about);
    GetParam().act(*view);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(view.isNull());
    EXPECT_TRUE(mainWindow.visible());
    delete view.data();
}

QPushButton* button(QWidget& box, const char* name) {
    return box.findChild<QPushButton*>(name);
}
INSTANTIATE_TEST_SUITE_P(
    Ways, AboutBoxWayOut,
    ::testing::Values(
        WayOutRow{"OkClicked",
                  [](QWidget& b) { QTest::mouseClick(button(b, "cmdOK"), Qt::LeftButton); }},
        WayOutRow{"Enter", [](QWidget& b) { QTest::keyClick(button(b, "cmdOK"), Qt::Key_Return); }},
        WayOutRow{"EscOnSysInfo",
                  [](QWidget& b) { QTest::keyClick(button(b, "cmdSysInfo"), Qt::Key_Escape); }},
        WayOutRow{"CloseBox", [](QWidget& b) { b.close(); }}),
    [](const auto& i) { return std::string(i.param.name); });

} // namespace
} // namespace aerolap::testing
