#include "ExpectedCycles.h"
#include "MainWindowFixture.h"
#include "engine/CyclePhase.h"

#include <gtest/gtest.h>
#include <ostream>

namespace aerolap {
namespace {

using namespace std::chrono_literals;
using testing::CueList;
using testing::landingWindowFrom;
using namespace aerolap::sounds;

template <typename T> struct At {
    long long atMs;
    T value;
    bool operator==(const At&) const = default;
};

struct TaskMode {
    const char* name;
    OptionButton Form1::*option;
    const char* freeWorkingTime; // typed into the working-time clock first; null for none
    CueList cues;
    // The display captions written in the millisecond of each phase change after START.
    std::vector<At<std::vector<std::string>>> displayAtPhaseChanges;
    std::vector<At<bool>> landingButton;

    friend void PrintTo(const TaskMode& row, std::ostream* out) { *out << row.name; }
};

// A working time that starts on a whole minute beeps on the first minute poll.
const CueList kFiveMinuteWorkingTime{
    {30010, kMinuteBeep, "00.05.00"},  {87000, kVoice4Minutes, "00.04.03"},
    {90000, kMinuteBeep, "00.04.00"},  {147000, kVoice3Minutes, "00.03.03"},
    {150000, kMinuteBeep, "00.03.00"}, {207000, kVoice2Minutes, "00.02.03"},
    {210000, kMinuteBeep, "00.02.00"}, {267000, kVoice1Minute, "00.01.03"},
    {270000, kMinuteBeep, "00.01.00"}, {297000, kVoice30Seconds, "00.00.33"},
};

const std::vector<std::string> kZeroThenLanding{"00.00.00", "00.00.30"};

const TaskMode kModes[] = {
    {"TenMinutes",
     &Form1::Option2,
     nullptr,
     testing::kTenMinuteCycle,
     {{30000, {"00.00.00", "00.10.00"}}, {630000, kZeroThenLanding}, {660000, kZeroThenLanding}},
     {}},
    {"ProvaE",
     &Form1::Option1,
     nullptr,
     testing::kStandardPreparation + testing::kThreeMinuteWorkingAndLanding,
     {{30000, {"00.00.00", "00.03.00"}}, {210000, kZeroThenLanding}, {240000, kZeroThenLanding}},
     {}},
    {"FreeFiveMinutes",
     &Form1::Option3,
     "00.05.00",
     testing::kStandardPreparation + kFiveMinuteWorkingTime +
         testing::countEndingAt(330000, kSiren) + landingWindowFrom(330000),
     {{30000, {"00.00.00", "00.05.00"}}, {330000, kZeroThenLanding}, {360000, kZeroThenLanding}},
     {}},
    // The empty working time ends on the first working-time poll, 10 ms in; the landing window
    // still counts from the moment the preparation ran out.
    {"FreeZeroGoesStraightToLanding",
     &Form1::Option3,
     "00.00.00",
     testing::kStandardPreparation + CueList{{30010, kSiren, "00.00.00"}} +
         landingWindowFrom(30000),
     {{30000, {"00.00.00"}}, {30010, {"00.00.30"}}, {60000, kZeroThenLanding}},
     {}},
    {"Vuz",
     &Form1::Option4,
     nullptr,
     testing::kVuzPreparation + testing::kThreeMinuteWorkingAndLanding,
     {{30000, {"00.00.00", "00.03.00"}}, {210000, kZeroThenLanding}, {240000, kZeroThenLanding}},
     {{30000, true}, {210000, false}}},
};

class TaskModeCycle : public testing::MainWindowFixture,
                      public ::testing::WithParamInterface<TaskMode> {
protected:
    TaskModeCycle() {
        form.Label2.changed.connect([this] { display.push_back({now(), form.Label2.caption()}); });
        form.Label4.changed.connect([this] { statusLines.push_back(form.Label4.caption()); });
        form.Command3.visibilityChanged.connect([this](bool visible) {
            landingButton.push_back({now(), visible});
        });
    }

    long long now() const { return time.elapsed().count(); }

    std::vector<At<std::string>> display;
    std::vector<std::string> statusLines;
    std::vector<At<bool>> landingButton;
};

// Time starts at 0 here, so the virtual times are times since START.
TEST_P(TaskModeCycle, PlaysEveryCueInOrderOnItsTextAndEndsReady) {
    const TaskMode& mode = GetParam();
    if (mode.freeWorkingTime != nullptr) {
        form.Clock3.setClockTimeText(mode.freeWorkingTime);
    }
    (form.*mode.option).select();
    form.Command5.click();

    // Each cue, and each phase change on "00.00.00", must come within one poll of its text first
    // showing on the running clock.
    std::string shown = form.Clock1.clockTimeText();
    long long shownSinceMs = 0;
    const auto lateness = [&](const std::string& text) {
        return shown == text ? now() - shownSinceMs : 0; // else it appeared within this step
    };
    std::size_t heard = 0;
    CyclePhase phase = cyclePhase(form);
    std::vector<long long> phaseChangesMs;
    ASSERT_TRUE(time.advanceUntil(
        [&] {
            for (; heard < cues.played().size() && heard < mode.cues.size(); ++heard) {
                if (!mode.cues[heard].trigger.empty()) {
                    EXPECT_LE(lateness(mode.cues[heard].trigger), 10) << mode.cues[heard].file;
                }
            }
            if (cyclePhase(form) != phase) {
                phase = cyclePhase(form);
                phaseChangesMs.push_back(now());
                EXPECT_LE(lateness("00.00.00"), 10) << "phase change at " << now();
            }
            if (form.Clock1.clockTimeText() != shown) {
                shown = form.Clock1.clockTimeText();
                shownSinceMs = now();
            }
            return phase == CyclePhase::Ready;
        },
        20min));

    EXPECT_EQ(cues.played(), testing::asPlayed(mode.cues));
    std::vector<At<std::vector<std::string>>> displayAtPhaseChanges;
    for (const long long atMs : phaseChangesMs) {
        displayAtPhaseChanges.push_back({atMs, {}});
        for (const auto& caption : display) {
            if (caption.atMs == atMs) {
                displayAtPhaseChanges.back().value.push_back(caption.value);
            }
        }
    }
    EXPECT_EQ(displayAtPhaseChanges, mode.displayAtPhaseChanges);
    EXPECT_EQ(statusLines, (std::vector<std::string>{"PREPARAZIONE", "TEMPO OPERATIVO",
                                                     "ATTERRAGGIO IN 30 SECONDI", "READY"}));
    EXPECT_EQ(landingButton, mode.landingButton);

    EXPECT_TRUE(form.Command5.visible());
    EXPECT_FALSE(form.Command7.visible() || form.Command2.visible() || form.Command3.visible());
    EXPECT_EQ(form.Label2.caption(), "00.00.30");
    EXPECT_FALSE(form.Clock1.counting());
    EXPECT_TRUE(form.Timer4.enabled()) << "the minute beeps never stop";
    time.advance(60s);
    EXPECT_EQ(cues.played().size(), mode.cues.size());
    EXPECT_EQ(form.Clock1.clockTimeText(), "00.00.30");
}

INSTANTIATE_TEST_SUITE_P(, TaskModeCycle, ::testing::ValuesIn(kModes),
                         [](const auto& instance) { return std::string(instance.param.name); });

} // namespace
} // namespace aerolap
