#pragma once

#include "RecordingCuePlayer.h"
#include "ScriptedMessageBoxes.h"
#include "VirtualTime.h"
#include "platform/SerialPortControl.h"
#include "ui/main/MainWindow.h"

#include <gtest/gtest.h>

namespace aerolap::testing {

/// A whole main window in virtual time, loaded and ready, with a recording cue player, scripted
/// message boxes and no serial port.
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
    MainWindow window{MainWindowServices{time, cues, serialPort, messageBoxes}};
    Form1& form = window.form();
};

} // namespace aerolap::testing
