#pragma once

#include "RecordingCuePlayer.h"
#include "ScriptedMessageBoxes.h"
#include "SystemServiceDoubles.h"
#include "ui/main/MainWindow.h"

namespace aerolap::testing {

/// A port that is always open and writes each frame down with its virtual time.
struct TimelinePort final : SerialPortControl {
    TimelinePort(const VirtualTime& clock, std::vector<RecordingCuePlayer::Played>& into)
        : time(clock), timeline(into) {}
    void setCommPort(std::int16_t) override {}
    void setSettings(const std::string&) override {}
    bool setPortOpen(bool) override { return true; }
    bool portOpen() const override { return true; }
    void output(const std::string& bytes) override {
        timeline.push_back({time.elapsed().count(), bytes});
    }

    const VirtualTime& time;
    std::vector<RecordingCuePlayer::Played>& timeline;
};

/// A loaded main window in virtual time whose frames are recorded, for one test or as the
/// reference a test compares with.
struct TimedWindow {
    TimedWindow() {
        for (Timer* timer : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer4, &form.Timer5,
                             &form.Timer6, &form.Timer7}) {
            time.attach(*timer);
        }
        window.Form_Load();
    }

    VirtualTime time;
    RecordingCuePlayer cues{time};
    std::vector<RecordingCuePlayer::Played> frames;
    TimelinePort port{time, frames};
    ScriptedMessageBoxes messageBoxes;
    SystemServiceDoubles system;
    MainWindow window{system.servicesWith(time, cues, port, messageBoxes)};
    Form1& form = window.form();
};

} // namespace aerolap::testing
