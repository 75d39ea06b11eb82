// A contest day in virtual time: eight hours of back-to-back 10-minute cycles under "Loop",
// with every announcement box ticked. Prints how often each sound file was asked for against the
// expected count, and how far the cycle starts drifted from the ideal rhythm. Exits non-zero on
// any mismatch.

#include "VirtualTime.h"
#include "audio/CuePlayer.h"
#include "audio/SoundFiles.h"
#include "engine/CyclePhase.h"
#include "engine/Form1.h"
#include "engine/StartUpState.h"
#include "engine/TimingEngine.h"

#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using namespace aerolap;
using namespace aerolap::sounds;
using Ms = std::chrono::milliseconds;

constexpr Ms kContestDay = 8h;
// 30 s preparation, 10 min working time, 30 s landing window.
constexpr Ms kCycle = 660s;
constexpr Ms kDriftLimit = 10ms;

class CountingCuePlayer final : public CuePlayer {
public:
    void playCue(const std::string& path) override { ++m_counts[path]; }
    int count(const std::string& path) const {
        const auto found = m_counts.find(path);
        return found == m_counts.end() ? 0 : found->second;
    }

private:
    std::map<std::string, int> m_counts;
};

// How often one 10-minute cycle asks for each file.
const std::map<std::string, int> kPerCycle{
    {kVoice9Minutes, 1},
    {kVoice8Minutes, 1},
    {kVoice7Minutes, 1},
    {kVoice6Minutes, 1},
    {kVoice5Minutes, 1},
    {kVoice4Minutes, 1},
    {kVoice3Minutes, 1},
    {kVoice2Minutes, 1},
    {kVoice1Minute, 1},
    {kVoice30Seconds, 1},
    {kPreparation, 1},
    {kLanding, 1},
    {kCount10, 2},
    {kCount5, 3},
    {kCount4, 3},
    {kCount3, 3},
    {kCount2, 3},
    {kCount1, 3},
    {kBeepVuz, 0},
    {kBeep3Seconds, 0},
    {kSiren, 2},
    {kEndOfLanding, 1},
    {kLandingButtonSiren, 0},
    {kMinuteBeep, 9},
};

} // namespace

int main() {
    testing::VirtualTime time;
    CountingCuePlayer cues;
    Form1 form(time);
    TimingEngine engine(form, cues);
    for (Timer* timer : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer4, &form.Timer5,
                         &form.Timer6, &form.Timer7}) {
        time.attach(*timer);
    }
    loadStartUpState(form);

    std::vector<Ms> starts;
    form.Timer2.runningChanged.connect([&](bool running) {
        if (running) {
            starts.push_back(time.elapsed());
        }
    });

    const auto wallStart = std::chrono::steady_clock::now();
    form.Check17.setValue(CheckBox::kChecked);
    form.Command5.click();
    time.advance(kContestDay);
    // The director unticks "Loop" at the end of the day; the cycle under way runs to its end.
    form.Check17.setValue(CheckBox::kUnchecked);
    const bool ended =
        time.advanceUntil([&form] { return cyclePhase(form) == CyclePhase::Ready; }, kCycle);
    const auto wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart);

    bool ok = ended;
    const auto expectedCycles = static_cast<int>((kContestDay + kCycle - 1ms) / kCycle);
    const auto cycles = static_cast<int>(starts.size());
    ok = ok && cycles == expectedCycles;
    std::printf("simulated %.1f h in %.2f s of real time\n",
                std::chrono::duration<double, std::ratio<3600>>(time.elapsed()).count(),
                wall.count());
    std::printf("cycles: %d (expected %d)%s\n", cycles, expectedCycles, ended ? "" : ", no end");

    std::printf("%-44s %8s %8s\n", "cue", "played", "expected");
    for (const std::string_view file : kAll) {
        const std::string path(file);
        const int expected = kPerCycle.at(path) * expectedCycles;
        const int played = cues.count(path);
        ok = ok && played == expected;
        std::printf("%-44s %8d %8d%s\n", path.c_str(), played, expected,
                    played == expected ? "" : "  MISMATCH");
    }

    Ms worstDrift{0};
    Ms worstStep{0};
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const Ms drift = starts[i] - static_cast<int>(i) * kCycle;
        worstDrift = std::max(worstDrift, drift);
        if (i > 0) {
            worstStep = std::max(worstStep, starts[i] - starts[i - 1] - kCycle);
        }
    }
    const Ms lastDrift = starts.empty() ? Ms{0} : starts.back() - (cycles - 1) * kCycle;
    ok = ok && worstStep <= kDriftLimit && worstDrift <= kDriftLimit;
    std::printf(
        "drift of the last cycle's start: %lld ms (worst %lld ms, worst per cycle %lld ms, "
        "limit %lld ms)\n",
        static_cast<long long>(lastDrift.count()), static_cast<long long>(worstDrift.count()),
        static_cast<long long>(worstStep.count()), static_cast<long long>(kDriftLimit.count()));
    std::printf("%s\n", ok ? "OK" : "FAILED");
    return ok ? 0 : 1;
}
