#pragma once

#include "audio/CuePlayer.h"
#include "platform/MonotonicSource.h"
#include "platform/Registry.h"
#include "platform/SerialDeviceNames.h"
#include "platform/SerialPortControl.h"
#include "platform/StayAwake.h"
#include "platform/SuspendedTime.h"
#include "platform/TimerResolution.h"
#include "platform/TimingThreadPriority.h"
#include "platform/WindowStacking.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

class QWidget;

namespace aerolap {

class NoticeBoard;

/// The back ends of the system the program was built for: its time, its sound, its registry, how
/// it names serial ports, how its window manager stacks windows, how it keeps the laptop awake and
/// how it schedules the timing threads.
/// What they must tell the director goes to the notice board. The build compiles exactly one
/// implementation, from the folder named for the system beside this file.
class SystemServices {
public:
    /// `soundFolder`, when chosen, replaces the system's way of finding the sound files, which
    /// otherwise plays the default set of `language` (a code such as "it").
    SystemServices(const std::optional<std::filesystem::path>& soundFolder,
                   const std::string& language, NoticeBoard& notices);
    ~SystemServices();

    /// The monotonic time that goes on while the machine is suspended, and how long it was.
    const MonotonicSource& time() const;
    const SuspendedTime& suspendedTime() const;
    CuePlayer& cuePlayer() { return *m_cuePlayer; }
    Registry& registry() { return *m_registry; }
    /// The LED display's serial port, on a thread of its own, with port N on the device `devices`
    /// names for it, else the system's own. Call once the Qt application exists.
    std::unique_ptr<SerialPortControl> displayPort(SerialDevices devices);
    /// The main window's stacking; it acts once `adoptMainWindow` has named the window.
    WindowStacking& mainWindowStacking() { return *m_mainWindowStacking; }
    /// How finely the system's timers fire, for the cycle to ask for fine steps while it runs.
    TimerResolution& timerResolution() { return *m_timerResolution; }
    /// The timing threads' scheduling. The sound threads ask for theirs themselves; the handlers'
    /// thread asks once the Qt application exists.
    TimingThreadPriority& timingThreadPriority() { return *m_timingThreadPriority; }

    /// Binds the main window's stacking to `window` and keeps it out of the taskbar. Call before
    /// the window is first shown: the window manager reads the taskbar state when it appears.
    void adoptMainWindow(QWidget& window);
    /// Keeps another top-level window out of the taskbar, before it is first shown.
    void keepOutOfTaskbar(QWidget& window);

    /// Holds the laptop awake until the result goes. Call once the Qt application exists, on the
    /// thread of its event loop.
    std::unique_ptr<StayAwake> stayAwake();

    /// The director's sound check: what each cue file holds, or what is wrong with it, and the
    /// output the cues would use; with `play`, each file is heard in turn. Unless the director
    /// chose a folder, the default set of each of `languages` is checked too. True when every
    /// file plays and every default set checked is complete.
    bool checkSounds(std::ostream& out, bool play, std::span<const std::string_view> languages);

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
    CuePlayer* m_cuePlayer;
    Registry* m_registry;
    WindowStacking* m_mainWindowStacking;
    TimerResolution* m_timerResolution;
    TimingThreadPriority* m_timingThreadPriority;
};

} // namespace aerolap
