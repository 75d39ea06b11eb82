#pragma once

#include "MainWindowFixture.h"
#include "audio/SoundFiles.h"
#include "engine/CyclePhase.h"

#include <string>
#include <utility>
#include <vector>

namespace aerolap::testing {

using namespace std::chrono_literals;
using namespace aerolap::sounds;
using Cues = std::vector<RecordingCuePlayer::Played>;

inline Cues operator+(Cues head, const Cues& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

/// "Five" to "one" a second apart, then `last` at `endMs`.
inline Cues countTo(long long endMs, const char* last) {
    Cues cues;
    for (const char* count : {kCount5, kCount4, kCount3, kCount2, kCount1, last}) {
        cues.push_back({endMs - 5000 + 1000 * static_cast<long long>(cues.size()), count});
    }
    return cues;
}

/// The landing window of a working time that ran out at `fromMs`.
inline Cues landingFrom(long long fromMs) {
    return Cues{{fromMs + 2000, kLanding}, {fromMs + 20000, kCount10}} +
           countTo(fromMs + 30000, kEndOfLanding);
}

/// A 30-second preparation from START at `fromMs`: spoken, or beeped for the Vuz task.
inline Cues preparationFrom(long long fromMs, bool vuz = false) {
    const Cues head{{fromMs, kPreparation}, {fromMs + 20000, kCount10}};
    return vuz ? head + Cues{{fromMs + 25000, kCount5},
                             {fromMs + 27000, kBeepVuz},
                             {fromMs + 28000, kBeepVuz},
                             {fromMs + 29000, kBeepVuz},
                             {fromMs + 30000, kBeep3Seconds}}
               : head + countTo(fromMs + 30000, kSiren);
}

/// A working time of `minutes` from 30000 ms and its landing window: each lower minute spoken
/// three seconds early and beeped on the minute, then thirty seconds and the count.
inline Cues workingTimeCues(int minutes) {
    Cues cues;
    for (int minute = minutes - 1; minute >= 1; --minute) {
        const long long atMs = 30000 + (minutes - minute) * 60000LL;
        const std::string voice{kAll[static_cast<std::size_t>(9 - minute)]}; // 9 minutes first
        cues = cues + Cues{{atMs - 3000, voice}, {atMs, kMinuteBeep}};
    }
    const long long endMs = 30000 + minutes * 60000LL;
    return cues + Cues{{endMs - 33000, kVoice30Seconds}} + countTo(endMs, kSiren) +
           landingFrom(endMs);
}

/// The main window, and a one-line picture of what a cycle shows.
class EngineFixture : public MainWindowFixture {
protected:
    long long now() const { return time.elapsed().count(); }

    bool runUntilReady(std::chrono::milliseconds limit = 20min) {
        return time.advanceUntil([this] { return cyclePhase(form) == CyclePhase::Ready; }, limit);
    }

    /// The buttons shown, the timers running, the status line, the display and the running clock.
    std::string state() const {
        std::string out;
        for (auto [button, name] : {std::pair{&form.Command5, "START "},
                                    {&form.Command7, "STOP "},
                                    {&form.Command2, "RESET "},
                                    {&form.Command3, "LANDING "}}) {
            out += button->visible() ? name : "";
        }
        for (std::size_t i = 0; i < kTimers.size(); ++i) {
            out += (form.*kTimers[i]).enabled() ? "T" + std::to_string(i + 1) + " " : "";
        }
        return out + "| " + form.Label4.caption() + " | " + form.Label2.caption() + " | " +
               form.Clock1.clockTimeText() + (form.Clock1.counting() ? " counting" : "");
    }
};

} // namespace aerolap::testing
