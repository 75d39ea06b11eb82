#pragma once

#include "RecordingCuePlayer.h"
#include "ScriptedMessageBoxes.h"
#include "SystemServiceDoubles.h"
#include "VirtualTime.h"
#include "platform/SerialPortControl.h"
#include "ui/main/MainWindow.h"

#include <gtest/gtest.h>

namespace aerolap::testing {

/// A whole main window in virtual time, loaded and ready, with a recording cue player, scripted
/// message boxes, no serial port and doubles of the system services.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() {
        for (Timer* timer : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer4, &form.Timer5,
                             &form.Timer6, &form.Timer7}) {
            time.attach(*timer);
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
