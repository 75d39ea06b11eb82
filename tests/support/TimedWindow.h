#pragma once

#include "RecordingCuePlayer.h"
#include "RecordingSerialPort.h"
#include "ScriptedMessageBoxes.h"
#include "SystemServiceDoubles.h"
#include "engine/Cycle.h"
#include "ui/main/MainWindow.h"

#include <array>
#include <gtest/gtest.h>

namespace aerolap::testing {

/// A whole main window in virtual time, loaded and ready, with a recording cue player, a port
/// that records the frames, scripted message boxes and doubles of the system services; for one
/// test or as the reference a test compares with.
struct TimedWindow {
    static constexpr std::array<Timer Form1::*, 7> kTimers{
        &Form1::Timer1, &Form1::Timer2, &Form1::Timer3, &Form1::Timer4,
        &Form1::Timer5, &Form1::Timer6, &Form1::Timer7};

    /// `ticks` says whether the timers leave out their quiet ticks, as in the program.
    explicit TimedWindow(TickSchedule::Ticks ticks = TickSchedule::Ticks::LeaveOutQuiet)
        : time(ticks) {
        for (Timer Form1::*timer : kTimers) {
            time.attach(form.*timer);
        }
        window.Form_Load();
        time.runSoonTasks();
    }

    VirtualTime time;
    RecordingCuePlayer cues{time};
    RecordingSerialPort port{time};
    std::vector<RecordingCuePlayer::Played>& frames = port.frames;
    ScriptedMessageBoxes messageBoxes;
    SystemServiceDoubles system;
    MainWindow window{system.servicesWith(time, cues, port, messageBoxes)};
    Form1& form = window.form();
    Cycle cycle{form, [this](std::function<void()> task) { time.runSoon(std::move(task)); }};
};

struct MainWindowFixture : ::testing::Test, TimedWindow {};

} // namespace aerolap::testing
