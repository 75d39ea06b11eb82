#include "PseudoTerminal.h"
#include "RecordingCuePlayer.h"
#include "ScriptedMessageBoxes.h"
#include "VirtualTime.h"
#include "engine/StartUpState.h"
#include "engine/TimingEngine.h"
#include "platform/QtSerialPortControl.h"
#include "serial/SerialDisplayLink.h"

#include <gtest/gtest.h>
#include <memory>

namespace aerolap::testing {
namespace {

using std::chrono_literals::operator""ms;
using std::chrono_literals::operator""s;

/// One frame as it reached the far end, with the virtual millisecond it was sent in.
struct ArrivedFrame {
    long long atMs;
    std::string frame;
    bool operator==(const ArrivedFrame&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ArrivedFrame& arrived) {
    return out << arrived.atMs << "ms:" << arrived.frame.substr(0, 5);
}

/// The timing engine and the display link of one window, in virtual time, with the display on a
/// pseudo-terminal that is port 1.
class SerialLinkCycleTest : public ::testing::Test {
protected:
    SerialLinkCycleTest() {
        for (Timer* timer : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer4, &form.Timer5,
                             &form.Timer6, &form.Timer7}) {
            time.attach(*timer);
        }
    }

    /// The first steps of the window's load sequence.
    void load() {
        link.openAtStartUp();
        loadStartUpState(form);
    }

    /// A short cycle: 3 s of preparation, 4 s of working time, the fixed 30 s landing window.
    void startShortCycle() {
        form.Clock2.setClockTimeText("00.00.03");
        form.Clock3.setClockTimeText("00.00.04");
        form.Command5.click();
    }

    /// Advances in 1 ms steps, collecting every frame with the millisecond it arrived in.
    std::vector<ArrivedFrame> advanceCollecting(std::chrono::milliseconds duration) {
        std::vector<ArrivedFrame> frames;
        for (std::chrono::milliseconds done{0}; done < duration; done += 1ms) {
            time.advance(1ms);
            collect(frames);
        }
        return frames;
    }

    void collect(std::vector<ArrivedFrame>& frames) {
        m_pending += display->readAtOnce();
        for (std::size_t end = m_pending.find('\r'); end != std::string::npos;
             end = m_pending.find('\r')) {
            frames.push_back({time.elapsed().count(), m_pending.substr(0, end + 1)});
            m_pending.erase(0, end + 1);
        }
    }

    EnvironmentLookup environment() {
        return [this](const std::string& name) -> std::optional<std::string> {
            if (name == "AEROLAP_COM1") {
                return display->deviceName();
            }
            return std::nullopt;
        };
    }

    VirtualTime time;
    RecordingCuePlayer cues{time};
    ScriptedMessageBoxes messageBoxes;
    std::unique_ptr<PseudoTerminal> display = std::make_unique<PseudoTerminal>();
    QtSerialPortControl port{environment()};
    Form1 form{time};
    TimingEngine engine{form, cues};
    SerialDisplayLink link{form, port, messageBoxes};

private:
    std::string m_pending;
};

std::vector<std::string> textsOf(const std::vector<ArrivedFrame>& frames) {
    std::vector<std::string> texts;
    for (const ArrivedFrame& arrived : frames) {
        texts.push_back(arrived.frame);
    }
    return texts;
}

TEST_F(SerialLinkCycleTest, StartUpSendsTheRunningClockAsItWasBeforeLoading) {
    load();
    EXPECT_EQ(display->readWhatArrived(), "A0000\r");
    EXPECT_EQ(form.Label2.caption(), "00.00.30");
}

TEST_F(SerialLinkCycleTest, AWholeCycleSendsEachShownTimeOnceInOrder) {
    load();
    display->readWhatArrived();
    // Nothing goes out while the display stands still.
    EXPECT_TRUE(advanceCollecting(2s).empty());

    const long long startMs = time.elapsed().count();
    startShortCycle();
    const std::vector<ArrivedFrame> frames = advanceCollecting(40s);

    std::vector<std::string> expected{"A0003\r", "A0002\r", "A0001\r", "A0000\r", "A0004\r",
                                      "A0003\r", "A0002\r", "A0001\r", "A0000\r"};
    for (int second = 30; second >= 0; --second) {
        expected.push_back(std::string("A00") + (second < 10 ? "0" : "") + std::to_string(second) +
                           "\r");
    }
    // The end of the landing window puts the preparation time back on the display.
    expected.push_back("A0003\r");
    ASSERT_EQ(textsOf(frames), expected);

    // A phase ends and the next begins within one tick: both frames leave in the same
    // millisecond, the very one in which the old phase shows "00.00.00".
    constexpr std::size_t kEndOfPreparation = 3;
    constexpr std::size_t kEndOfWorkingTime = 8;
    EXPECT_EQ(frames[kEndOfPreparation].atMs, frames[kEndOfPreparation + 1].atMs);
    EXPECT_EQ(frames[kEndOfWorkingTime].atMs, frames[kEndOfWorkingTime + 1].atMs);
    EXPECT_EQ(frames.back().atMs, frames[frames.size() - 2].atMs);
    // Every other frame follows its second within one poll interval.
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const long long sinceStart = frames[i].atMs - startMs;
        EXPECT_LE(sinceStart % 1000, 10) << frames[i];
    }

    // Ready again: the display stands still, and so does the line.
    EXPECT_TRUE(advanceCollecting(3s).empty());
}

TEST_F(SerialLinkCycleTest, PullingTheDeviceOutLeavesTheCycleRunningAndTheLinkClosed) {
    load();
    startShortCycle();
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
    const std::vector<ArrivedFrame> frames = advanceCollecting(1500ms);
    EXPECT_EQ(textsOf(frames), std::vector<std::string>{"A0002\r"});
}

} // namespace
} // namespace aerolap::testing
