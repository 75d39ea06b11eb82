#pragma once

#include "RecordingCuePlayer.h"
#include "ScriptedMessageBoxes.h"
#include "SystemServiceDoubles.h"
#include "ui/main/MainWindow.h"

#include <array>
#include <gtest/gtest.h>

namespace aerolap::testing {

/// A whole main window in virtual time, loaded and ready, with a recording cue player, scripted
/// message boxes, no serial port and doubles of the system services.
class MainWindowFixture : public ::testing::Test {
protected:
    static constexpr std::array<Timer Form1::*, 7> kTimers{
        &Form1::Timer1, &Form1::Timer2, &Form1::Timer3, &Form1::Timer4,
        &Form1::Timer5, &Form1::Timer6, &Form1::Timer7};

    MainWindowFixture() {
        for (Timer Form1::*timer : kTimers) {
            time.attach(form.*timer);
        }
        window.Form_Load();
    }

    VirtualTime time;
    RecordingCuePlayer cues{time};
    ScriptedMessageBoxes messageBoxes;
    NullSerialPort serialPort;
    SystemServiceDoubles system;
    MainWindow window{system.servicesWith(time, cues, serialPort, messageBoxes)};
    Form1& form = window.form();
};

} // namespace aerolap::testing
