#include "MinuteBeeps.h"

#include "audio/SoundFiles.h"

#include <array>

namespace aerolap {

namespace {

using F = Form1;
using L = CueLatches;

// One box silences both a minute's spoken call and its beep; "BEEP" silences every beep.
constexpr std::array kRows{
    CueRow{"00.09.00", {&F::Check1, &F::Check16}, &L::latchBeep9m, sounds::kMinuteBeep},
    CueRow{"00.08.00", {&F::Check3, &F::Check16}, &L::latchBeep8m, sounds::kMinuteBeep},
    CueRow{"00.07.00", {&F::Check5, &F::Check16}, &L::latchBeep7m, sounds::kMinuteBeep},
    CueRow{"00.06.00", {&F::Check6, &F::Check16}, &L::latchBeep6m, sounds::kMinuteBeep},
    CueRow{"00.05.00", {&F::Check7, &F::Check16}, &L::latchBeep5m, sounds::kMinuteBeep},
    CueRow{"00.04.00", {&F::Check8, &F::Check16}, &L::latchBeep4m, sounds::kMinuteBeep},
    CueRow{"00.03.00", {&F::Check9, &F::Check16}, &L::latchBeep3m, sounds::kMinuteBeep},
    CueRow{"00.02.00", {&F::Check10, &F::Check16}, &L::latchBeep2m, sounds::kMinuteBeep},
    CueRow{"00.01.00", {&F::Check11, &F::Check16}, &L::latchBeep1m, sounds::kMinuteBeep},
};

} // namespace

void MinuteBeeps::Timer4_Timer() {
    pollCueRows(m_form, m_cues, kRows);
}

std::span<const CueRow> MinuteBeeps::rows() {
    return kRows;
}

} // namespace aerolap
