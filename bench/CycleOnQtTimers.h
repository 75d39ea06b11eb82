#pragma once

#include "ScriptedMessageBoxes.h"
#include "SystemServiceDoubles.h"
#include "audio/CuePlayer.h"
#include "platform/MonotonicSource.h"
#include "systems/qt/QtTimerDriver.h"
#include "ui/main/MainWindow.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace aerolap::testing {

/// The main window (without its view) on Qt timers in real time, as the program runs it, its cues
/// passed on to a player and noted with the moment each was asked for. Needs a Qt application.
class CycleOnQtTimers {
public:
    using SteadyClock = std::chrono::steady_clock;

    struct AskedCue {
        std::string path;
        SteadyClock::time_point at;
    };

    /// Loads the window; set the task and times on `form()` before `run`.
    explicit CycleOnQtTimers(CuePlayer& cues);

    Form1& form() { return m_window.form(); }

    /// Presses START after `settle`, calls `atStart` right after the click, and returns `tail`
    /// after the cycle is back at READY.
    void run(std::chrono::milliseconds settle, std::chrono::milliseconds tail,
             const std::function<void()>& atStart = {});

    const std::vector<AskedCue>& asked() const { return m_cues.asked; }
    /// When START was clicked, and when the running clock started counting.
    SteadyClock::time_point clicked() const { return m_clicked; }
    SteadyClock::time_point started() const { return m_started; }

private:
    /// Passes every cue on, noting when it was asked for.
    class TimedCues final : public CuePlayer {
    public:
        explicit TimedCues(CuePlayer& player) : m_player(player) {}
        void playCue(const std::string& path) override {
            asked.push_back({path, SteadyClock::now()});
            m_player.playCue(path);
        }
        std::vector<AskedCue> asked;

    private:
        CuePlayer& m_player;
    };

    TimedCues m_cues;
    SteadyMonotonicSource m_time;
    ScriptedMessageBoxes m_messageBoxes;
    NullSerialPort m_serialPort;
    SystemServiceDoubles m_system;
    MainWindow m_window;
    QtTimerDriver m_timers;
    SteadyClock::time_point m_clicked{};
    SteadyClock::time_point m_started{};
};

} // namespace aerolap::testing
