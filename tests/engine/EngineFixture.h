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

inline Cues shifted(Cues cues, long long byMs) {
    for (auto& cue : cues) {
        cue.atMs += byMs;
    }
    return cues;
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

inline const Cues kPreparationCues =
    Cues{{0, kPreparation}, {20000, kCount10}} + countTo(30000, kSiren);
inline const Cues kVuzPreparationCues{
    {0, kPreparation}, {20000, kCount10}, {25000, kCount5},       {27000, kBeepVuz},
    {28000, kBeepVuz}, {29000, kBeepVuz}, {30000, kBeep3Seconds},
};

/// A working time of `minutes` from 30000 ms with its landing window: each lower minute spoken
/// three seconds early and beeped on the minute, then thirty seconds and the count.
inline Cues workingTimeCues(int minutes) {
    const char* const voices[] = {nullptr,        kVoice1Minute,  kVoice2Minutes, kVoice3Minutes,
                                  kVoice4Minutes, kVoice5Minutes, kVoice6Minutes, kVoice7Minutes,
                                  kVoice8Minutes, kVoice9Minutes};
    Cues cues;
    for (int minute = minutes - 1; minute >= 1; --minute) {
        const long long atMs = 30000 + (minutes - minute) * 60000LL;
        cues = cues + Cues{{atMs - 3000, voices[minute]}, {atMs, kMinuteBeep}};
    }
    const long long endMs = 30000 + minutes * 60000LL;
    return cues + Cues{{endMs - 33000, kVoice30Seconds}} + countTo(endMs, kSiren) +
           landingFrom(endMs);
}

/// The main window with logs of what a cycle shows, and a one-line picture of its state.
class EngineFixture : public MainWindowFixture {
protected:
    EngineFixture() {
        form.Label2.changed.connect([this] { display.emplace_back(now(), form.Label2.caption()); });
        form.Command3.visibilityChanged.connect(
            [this](bool shown) { display.emplace_back(now(), shown ? "LANDING" : "-LANDING"); });
        form.Label4.changed.connect([this] { statusLines.push_back(form.Label4.caption()); });
    }

    long long now() const { return time.elapsed().count(); }

    /// Advances until the cycle is ready again, noting the moments its phase changes.
    bool runUntilReady(std::chrono::milliseconds limit = 20min) {
        CyclePhase phase = cyclePhase(form);
        return time.advanceUntil(
            [&] {
                if (cyclePhase(form) != phase) {
                    phase = cyclePhase(form);
                    phaseChangesMs.push_back(now());
                }
                return phase == CyclePhase::Ready;
            },
            limit);
    }

    /// The display captions and landing-button changes in the millisecond of each phase change.
    std::string atPhaseChanges() const {
        std::string out;
        for (long long atMs : phaseChangesMs) {
            out += std::to_string(atMs) + ":";
            for (const auto& [shownMs, text] : display) {
                out += shownMs == atMs ? " " + text : "";
            }
            out += "; ";
        }
        return out;
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

    std::vector<std::pair<long long, std::string>> display;
    std::vector<std::string> statusLines;
    std::vector<long long> phaseChangesMs;
};

} // namespace aerolap::testing
