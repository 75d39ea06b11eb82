#include "systems/qt/BackgroundSerialPort.h"

#include "PseudoTerminal.h"
#include "systems/linux/SerialByIdName.h"
#include "systems/qt/QtSerialPortControl.h"

#include <QTemporaryDir>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <future>
#include <gtest/gtest.h>
#include <mutex>
#include <sstream>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

constexpr auto kQuickRetry = 20ms;
const std::string kLost =
    "LED display lost on COM1: the timer runs on; frames resume when it is back";

/// The display's port 1 behind a link that the test points at one pseudo-terminal after another,
/// as a device name that stays while the adapter behind it is pulled out and plugged back in.
class BackgroundSerialPortTest : public ::testing::Test {
protected:
    void pointLinkAt(const PseudoTerminal& terminal, const std::filesystem::path& link) {
        std::filesystem::remove(link);
        std::filesystem::create_symlink(terminal.deviceName, link);
    }
    std::unique_ptr<BackgroundSerialPort> openedPort(QtSerialPortControl::StableName stable = {}) {
        auto port = std::make_unique<BackgroundSerialPort>(
            [this, stable](const BackgroundSerialPort::Notice& notice) {
                return std::make_unique<QtSerialPortControl>(
                    DeviceNaming::Posix, SerialAccess::WriteOnly,
                    SerialDevices{{1, device.string()}}, notice, stable);
            },
            notices, kQuickRetry);
        port->setCommPort(1);
        port->setSettings("9600,n,8,1");
        EXPECT_TRUE(port->setPortOpen(true));
        return port;
    }
    /// Waits until the notices say the display is `lost` or back.
    bool told(bool lost) {
        return QTest::qWaitFor([&] { return noticeTexts().size() == (lost ? 1u : 2u); }, 5000);
    }
    std::vector<std::string> noticeTexts() const {
        std::vector<std::string> texts;
        for (const Notice& notice : notices.entries()) {
            texts.push_back(notice.text());
        }
        return texts;
    }

    QTemporaryDir folder;
    std::filesystem::path device = folder.filePath(QStringLiteral("display")).toStdString();
    PseudoTerminal first, second;
    struct FixedWall final : WallClock {
        TimePoint now() const override { return {}; }
    } wall;
    std::ostringstream errors;
    NoticeBoard notices{wall, errors};
};

TEST_F(BackgroundSerialPortTest, ALostPortIsToldOnceAndComesBackWithTheLastFrameAskedFor) {
    pointLinkAt(first, device);
    const auto port = openedPort();
    ASSERT_TRUE(port->output("A0010\r"));
    EXPECT_EQ(first.read(6), "A0010\r");

    ::close(std::exchange(first.farEnd, -1));
    port->output("A0009\r");
    ASSERT_TRUE(told(true));
    EXPECT_FALSE(port->output("A0008\r")) << "dropped while the display is gone";
    EXPECT_TRUE(port->portOpen()) << "still open as the director asked";
    ASSERT_EQ(noticeTexts(), std::vector<std::string>{kLost});
    EXPECT_EQ(notices.entries()[0].urgency, Notice::Urgency::ActNow);

    pointLinkAt(second, device);
    ASSERT_TRUE(told(false));
    EXPECT_EQ(second.read(6), "A0008\r") << "the display shows the running time at once";
    ASSERT_TRUE(port->output("A0007\r"));
    EXPECT_EQ(second.read(6), "A0007\r");
    EXPECT_EQ(noticeTexts(), (std::vector<std::string>{kLost, "LED display back on COM1"}));
}

// The same USB adapter comes back under another device name; its by-id name leads to it.
TEST_F(BackgroundSerialPortTest, FindsTheSameAdapterUnderANewDeviceName) {
    const std::filesystem::path byId = folder.filePath(QStringLiteral("by-id")).toStdString();
    std::filesystem::create_directory(byId);
    const std::filesystem::path adapter = byId / "usb-FTDI_FT232R_A50285BI-if00-port0";
    pointLinkAt(first, adapter);
    pointLinkAt(first, device);
    const auto port =
        openedPort([byId](const std::string& name) { return serialByIdName(name, byId); });

    ::close(std::exchange(first.farEnd, -1));
    std::filesystem::remove(device);
    port->output("A0105\r");
    ASSERT_TRUE(told(true));
    pointLinkAt(second, adapter);
    ASSERT_TRUE(told(false));
    EXPECT_EQ(second.read(6), "A0105\r");
}

/// A port whose opens wait for the test's answer, as a Bluetooth port that connects slowly;
/// every failed open has something to say.
class SlowPort final : public SerialPortControl {
public:
    explicit SlowPort(BackgroundSerialPort::Notice notice) : m_notice(std::move(notice)) {}
    void setCommPort(std::int16_t) override {}
    void setSettings(const std::string&) override {}
    bool setPortOpen(bool open) override {
        if (!open) {
            m_open = false;
            return true;
        }
        std::unique_lock lock(m_mutex);
        ++m_opensBegun;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return !m_answers.empty(); });
        m_open = m_answers.front();
        m_answers.pop_front();
        if (!m_open) {
            m_notice("port busy");
        }
        return m_open;
    }
    bool portOpen() const override { return m_open; }
    bool output(const std::string& bytes) override {
        const std::lock_guard lock(m_mutex);
        m_written += bytes;
        return m_takes;
    }

    void answerNextOpen(bool open) {
        const std::lock_guard lock(m_mutex);
        m_answers.push_back(open);
        m_changed.notify_all();
    }
    void awaitOpensBegun(int count) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this, count] { return m_opensBegun >= count; });
    }
    void takeFrames(bool takes) {
        const std::lock_guard lock(m_mutex);
        m_takes = takes;
    }
    std::string written() {
        const std::lock_guard lock(m_mutex);
        return m_written;
    }

private:
    BackgroundSerialPort::Notice m_notice;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<bool> m_answers;
    int m_opensBegun = 0;
    bool m_takes = true;
    std::string m_written;
    std::atomic<bool> m_open = false;
};

TEST_F(BackgroundSerialPortTest, ASlowRetryHoldsNothingUpAndRetriesSayNothing) {
    SlowPort* slow = nullptr;
    BackgroundSerialPort port(
        [&slow](BackgroundSerialPort::Notice notice) {
            auto made = std::make_unique<SlowPort>(std::move(notice));
            slow = made.get();
            return made;
        },
        notices, kQuickRetry);
    slow->answerNextOpen(true);
    ASSERT_TRUE(port.setPortOpen(true));
    slow->takeFrames(false);
    port.output("A0010\r");
    slow->awaitOpensBegun(2);
    slow->answerNextOpen(false);
    slow->awaitOpensBegun(3);

    // The port's thread is stuck in an open: frames are taken at once all the same.
    auto frames = std::async(std::launch::async, [&port] {
        bool anyTaken = false;
        for (const char* frame : {"A0009\r", "A0008\r", "A0007\r"}) {
            anyTaken = port.output(frame) || anyTaken;
        }
        return anyTaken;
    });
    ASSERT_EQ(frames.wait_for(10s), std::future_status::ready);
    EXPECT_FALSE(frames.get());
    slow->takeFrames(true);
    slow->answerNextOpen(true);
    ASSERT_TRUE(told(false)) << "the failed retry's own words are not passed on";
    EXPECT_EQ(noticeTexts(), (std::vector<std::string>{kLost, "LED display back on COM1"}));
    EXPECT_EQ(slow->written(), "A0010\rA0007\r") << "only the newest frame follows the return";
}

} // namespace
} // namespace aerolap::testing
