#pragma once

#include <array>
#include <cstdint>

namespace aerolap {

/// One-shot flags, one per timed announcement: 0 not yet played in this phase, 1 played. A poll
/// sees each trigger text about a hundred times; its latch turns that into one cue.
struct CueLatches {
    std::uint8_t latchVoice9m = 0;
    std::uint8_t latchVoice8m = 0;
    std::uint8_t latchVoice7m = 0;
    std::uint8_t latchVoice6m = 0;
    std::uint8_t latchVoice5m = 0;
    std::uint8_t latchVoice4m = 0;
    std::uint8_t latchVoice3m = 0;
    std::uint8_t latchVoice2m = 0;
    std::uint8_t latchVoice1m = 0;
    std::uint8_t latchVoice30s = 0;
    std::uint8_t latchCount5s = 0;
    std::uint8_t latchCount4s = 0;
    std::uint8_t latchCount3s = 0;
    std::uint8_t latchCount2s = 0;
    std::uint8_t latchCount1s = 0;
    std::uint8_t latchCount10s = 0;
    std::uint8_t latchSpare = 0; // cleared with the others, never set or read
    std::uint8_t latchLanding30s = 0;
    std::uint8_t latchBeep9m = 0;
    std::uint8_t latchBeep8m = 0;
    std::uint8_t latchBeep7m = 0;
    std::uint8_t latchBeep6m = 0;
    std::uint8_t latchBeep5m = 0;
    std::uint8_t latchBeep4m = 0;
    std::uint8_t latchBeep3m = 0;
    std::uint8_t latchBeep2m = 0;
    std::uint8_t latchBeep1m = 0;

    using Latch = std::uint8_t CueLatches::*;

    /// Every latch, in declared order.
    static constexpr std::array<Latch, 27> kAll{
        &CueLatches::latchVoice9m,  &CueLatches::latchVoice8m, &CueLatches::latchVoice7m,
        &CueLatches::latchVoice6m,  &CueLatches::latchVoice5m, &CueLatches::latchVoice4m,
        &CueLatches::latchVoice3m,  &CueLatches::latchVoice2m, &CueLatches::latchVoice1m,
        &CueLatches::latchVoice30s, &CueLatches::latchCount5s, &CueLatches::latchCount4s,
        &CueLatches::latchCount3s,  &CueLatches::latchCount2s, &CueLatches::latchCount1s,
        &CueLatches::latchCount10s, &CueLatches::latchSpare,   &CueLatches::latchLanding30s,
        &CueLatches::latchBeep9m,   &CueLatches::latchBeep8m,  &CueLatches::latchBeep7m,
        &CueLatches::latchBeep6m,   &CueLatches::latchBeep5m,  &CueLatches::latchBeep4m,
        &CueLatches::latchBeep3m,   &CueLatches::latchBeep2m,  &CueLatches::latchBeep1m,
    };

    void clearAll() {
        for (Latch latch : kAll) {
            this->*latch = 0;
        }
    }
};

static_assert(sizeof(CueLatches) == 27, "27 one-byte flags, nothing else");

} // namespace aerolap
