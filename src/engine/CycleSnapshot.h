#pragma once

#include "CyclePhase.h"
#include "platform/MonotonicSource.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace aerolap {

/// The four tasks of the window, by what they are.
enum class Task { ThreeMinutes, TenMinutes, Free, Vuz };

/// The task's caption on the window ("PROVA E", "TO 10 MINUTI", "TO LIBERO", "VUZ"), which files
/// and pages name it by.
std::string_view taskCaption(Task task);
std::optional<Task> taskCaptioned(std::string_view caption);

/// The announcement switches of the set-up panel, by what each switches.
struct Announcements {
    /// The call at START.
    bool preparationCall = true;
    /// The call two seconds into the landing window.
    bool landingCall = true;
    /// The call and the beep at 9, 8, ... 1 minutes left.
    std::array<bool, 9> minuteCalls{true, true, true, true, true, true, true, true, true};
    bool thirtySecondsCall = true;
    /// Every minute beep on or off.
    bool minuteBeeps = true;

    friend bool operator==(const Announcements&, const Announcements&) = default;
};

/// What the director has set.
struct CycleSettings {
    Task task = Task::TenMinutes;
    std::string preparation;
    std::string working;
    bool loop = false;
    Announcements announcements;

    friend bool operator==(const CycleSettings&, const CycleSettings&) = default;
};

/// A cycle under way: when it and its phase began, and what it runs on, which may differ from
/// the settings when the director changed them since.
struct RunningCycle {
    MonotonicSource::TimePoint began{};
    MonotonicSource::TimePoint phaseBegan{};
    /// The seconds the running phase counts down from.
    int phaseLength = 0;
    std::string preparation;
    /// The working time this cycle has or will have.
    std::string working;
    bool vuz = false;
    /// The landing window was opened early with the Vuz landing button, at `phaseBegan`.
    bool landingButton = false;
    /// The minute beeps' poll ran before this cycle began: it runs from the first working time
    /// on, and beeps in a preparation too.
    bool minuteBeeps = false;

    friend bool operator==(const RunningCycle&, const RunningCycle&) = default;
};

enum class ScheduleState { Waiting, Running, Gap, Paused, Finished };
std::string_view scheduleStateName(ScheduleState state);
std::optional<ScheduleState> scheduleStateNamed(std::string_view name);

/// Where the contest schedule in hand stands: round, group and flight counted from 0.
struct SchedulePlace {
    std::string file;
    int round = 0;
    int group = 0;
    int flight = 0;
    ScheduleState state = ScheduleState::Waiting;
    /// Seconds from now to the next START, while the schedule counts towards one (in the gap, or
    /// reckoned from a running cycle going to its end).
    std::optional<int> nextStartIn;

    friend bool operator==(const SchedulePlace&, const SchedulePlace&) = default;
};

/// The director's buttons under the time display.
enum class CycleCommand { Start, Stop, Reset, LandingButton };

/// The cycle as it stands once a handler has run: everything the parts around the window work
/// from, under names that say what each thing is.
struct CycleSnapshot {
    CyclePhase phase = CyclePhase::Ready;
    /// The status line's caption, as the window shows it.
    std::string status;
    /// The time display's caption, as the window shows it.
    std::string shownTime;
    /// The seconds the running clock shows, and when that second began while it counts.
    int secondsLeft = 0;
    std::optional<MonotonicSource::TimePoint> secondBegan;
    CycleSettings settings;
    /// While a preparation, working time or landing window runs.
    std::optional<RunningCycle> running;
    /// While a schedule is loaded.
    std::optional<SchedulePlace> schedule;
    /// The director's button that began this event, if one did.
    std::optional<CycleCommand> command;

    friend bool operator==(const CycleSnapshot&, const CycleSnapshot&) = default;
};

/// The phase's name in the program's files and pages: ready, preparation, working, landing or
/// stopped.
std::string_view phaseName(CyclePhase phase);
std::optional<CyclePhase> phaseNamed(std::string_view name);

/// A preparation, working time or landing window runs.
inline bool cycleRuns(CyclePhase phase) {
    return phase != CyclePhase::Ready && phase != CyclePhase::Stopped;
}

} // namespace aerolap
