#pragma once

#include "audio/CuePlayer.h"
#include "platform/FileExistence.h"
#include "platform/MessageBoxService.h"
#include "platform/MonotonicSource.h"
#include "platform/ProgramExit.h"
#include "platform/ProgramLauncher.h"
#include "platform/Registry.h"
#include "platform/SerialPortControl.h"
#include "platform/WindowStacking.h"

namespace aerolap {

/// Everything outside the window that its handlers need, passed in so that tests can supply
/// their own: virtual time, a recording cue player, a pseudo-terminal port, scripted answers.
struct MainWindowServices {
    const MonotonicSource& time;
    CuePlayer& cues;
    SerialPortControl& serialPort;
    MessageBoxService& messageBoxes;
    /// Bound to the main window's own view.
    WindowStacking& stacking;
    ProgramExit& programExit;
    // Used by the about box to find and start the system-information tool.
    Registry& registry;
    FileExistence& files;
    ProgramLauncher& programs;
};

} // namespace aerolap
