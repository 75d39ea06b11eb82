#include "PseudoTerminal.h"
#include "RecordingCuePlayer.h"
#include "ScriptedMessageBoxes.h"
#include "VirtualTime.h"
#include "engine/StartUpState.h"
#include "engine/TimingEngine.h"
#include "serial/SerialDisplayLink.h"
#include "systems/qt/QtSerialPortControl.h"

#include <gtest/gtest.h>
#include <memory>

namespace aerolap::testing {
namespace {

using namespace std::chrono_literals;

/// The timing engine and the display link of one window, in virtual time, with the display on a
/// pseudo-terminal that is port 1. The test loads the window and starts a short cycle: 3 s of
/// preparation, 4 s of working time, the fixed 30 s landing window.
class SerialLinkCycleTest : public ::testing::Test {
protected:
    SerialLinkCycleTest() {
        for (Timer* timer : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer4, &form.Timer5,
                             &form.Timer6, &form.Timer7}) {
            time.attach(*timer);
        }
        link.openAtStartUp();
        loadStartUpState(form);
        form.Clock2.setClockTimeText("00.00.03");
        form.Clock3.setClockTimeText("00.00.04");
    }

    /// Advances in 1 ms steps; returns each frame that arrived with the millisecond it left in.
    std::vector<std::pair<long long, std::string>>
    advanceCollecting(std::chrono::milliseconds span) {
        std::vector<std::pair<long long, std::string>> frames;
        for (auto done = 0ms; done < span; done += 1ms) {
            time.advance(1ms);
            m_pending += display->readAtOnce();
            for (auto end = m_pending.find('\r'); end != std::string::npos;
                 end = m_pending.find('\r')) {
                frames.emplace_back(time.elapsed().count(), m_pending.substr(0, end + 1));
                m_pending.erase(0, end + 1);
            }
        }
        return frames;
    }

    VirtualTime time;
    RecordingCuePlayer cues{time};
    ScriptedMessageBoxes messageBoxes;
    std::unique_ptr<PseudoTerminal> display = std::make_unique<PseudoTerminal>();
    QtSerialPortControl port{DeviceNaming::Posix, [this](const std::string& name) {
                                 return name == "AEROLAP_COM1"
                                            ? std::optional(display->deviceName())
                                            : std::nullopt;
                             }};
    Form1 form{time};
    TimingEngine engine{form, cues};
    SerialDisplayLink link{form, port, messageBoxes};

private:
    std::string m_pending;
};

TEST_F(SerialLinkCycleTest, AWholeCycleSendsEachShownTimeOnceInOrder) {
    // The first frame carries the running clock as it was before loading.
    EXPECT_EQ(display->readAtOnce(), "A0000\r");
    EXPECT_EQ(form.Label2.caption(), "00.00.30");
    // Nothing goes out while the display stands still.
    EXPECT_TRUE(advanceCollecting(2s).empty());

    const long long startMs = time.elapsed().count();
    form.Command5.click();
    const auto frames = advanceCollecting(40s);

    std::vector<std::string> expected{"A0003\r", "A0002\r", "A0001\r", "A0000\r", "A0004\r",
                                      "A0003\r", "A0002\r", "A0001\r", "A0000\r"};
    for (int second = 30; second >= 0; --second) {
        expected.push_back((second < 10 ? "A000" : "A00") + std::to_string(second) + "\r");
    }
    // The end of the landing window puts the preparation time back on the display.
    expected.push_back("A0003\r");
    std::vector<std::string> sent;
    for (const auto& [atMs, frame] : frames) {
        sent.push_back(frame);
        // Every frame follows its second within one poll interval.
        EXPECT_LE((atMs - startMs) % 1000, 10) << frame;
    }
    ASSERT_EQ(sent, expected);
    // A phase ends and the next begins within one tick: both frames leave in the same
    // millisecond, the very one in which the old phase shows "00.00.00".
    for (const std::size_t endOfPhase : {3U, 8U, 39U}) {
        EXPECT_EQ(frames[endOfPhase].first, frames[endOfPhase + 1].first) << endOfPhase;
    }
    // Ready again: the display stands still, and so does the line.
    EXPECT_TRUE(advanceCollecting(3s).empty());
}

TEST_F(SerialLinkCycleTest, PullingTheDeviceOutLeavesTheCycleRunningAndTheLinkClosed) {
    form.Command5.click();
    advanceCollecting(5s);
    ASSERT_TRUE(port.portOpen());

    display->closeFarEnd();
    advanceCollecting(2s);
    EXPECT_FALSE(port.portOpen());
    EXPECT_TRUE(messageBoxes.shown().empty());

    // The cycle runs on to its end, sounds included.
    const std::size_t cuesBefore = cues.played().size();
    ASSERT_TRUE(time.advanceUntil([&] { return form.Command5.visible(); }, 40s));
    EXPECT_GT(cues.played().size(), cuesBefore);
    EXPECT_EQ(form.Label2.caption(), "00.00.03");

    // Plugged in again, the operator picks the port once more and the display follows.
    display = std::make_unique<PseudoTerminal>();
    form.Combo1.choose(0);
    EXPECT_TRUE(port.portOpen());
    EXPECT_EQ(messageBoxes.shown().size(), 1U);
    form.Command5.click();
    // The display already shows "00.00.03", so the first frame is the next second.
    const auto frames = advanceCollecting(1500ms);
    ASSERT_EQ(frames.size(), 1U);
    EXPECT_EQ(frames[0].second, "A0002\r");
}

} // namespace
} // namespace aerolap::testing
