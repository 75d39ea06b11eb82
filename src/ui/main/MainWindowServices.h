#pragma once

#include "audio/CuePlayer.h"
#include "platform/MessageBoxService.h"
#include "platform/MonotonicSource.h"
#include "platform/SerialPortControl.h"

namespace aerolap {

/// Everything outside the window that its handlers need, passed in so that tests can supply
/// their own: virtual time, a recording cue player, a pseudo-terminal port, scripted answers.
struct MainWindowServices {
    const MonotonicSource& time;
    CuePlayer& cues;
    SerialPortControl& serialPort;
    MessageBoxService& messageBoxes;
};

} // namespace aerolap
