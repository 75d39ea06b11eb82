#pragma once

#include "engine/CycleSnapshot.h"
#include "platform/Message.h"
#include "platform/MonotonicSource.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace aerolap {

// The day log's lines, each a JSON object on a line of its own: its "kind", the real monotonic
// time ("mono_ns", which measures) and the wall clock ("wall_ms", which people read) of the moment
// it was recorded, and the fields of its kind. Each kind lists its fields once, with their keys,
// in `fields`: the log is written and read through that one list. A kind's fields may take in a
// group of fields (`ShownSecond`) as they stand.

using Moment = MonotonicSource::TimePoint;

/// What the window showed as a cue, a frame or a button came: the phase and, while the clock
/// counts, its second and when that second began, which the cue or the frame is late against.
struct ShownSecond {
    CyclePhase phase = CyclePhase::Ready;
    std::optional<std::string> second;
    std::optional<Moment> secondBegan;
    template <typename F> void fields(F& f) {
        f("phase", phase)("second", second)("second_began_ns", secondBegan);
    }
};

/// The program started ("run"), or ended through the exit question ("exit").
struct ProgramStarted {
    template <typename F> void fields(F&) {}
};
struct ProgramClosed {
    template <typename F> void fields(F&) {}
};

/// START, STOP, RESET or the Vuz landing button: "start", "stop", "reset", "landing_button".
struct ButtonPressed {
    CycleCommand command = CycleCommand::Start;
    ShownSecond shown;
    template <typename F> void fields(F& f) { f(shown); }
};

/// A phase began, or the cycle stopped or came back to READY ("phase"), with what the phase's
/// cues depend on, for a report that works out which were due.
struct PhaseBegan {
    CyclePhase phase = CyclePhase::Ready;
    /// While a cycle runs; a resumed phase began long before its line.
    std::optional<Moment> began;
    int seconds = 0;
    bool vuz = false;
    bool minuteBeeps = false;
    bool loop = false;
    Announcements announcements;
    std::string task;
    template <typename F> void fields(F& f) {
        f("phase", phase)("began_ns", began)("seconds", seconds)("vuz", vuz);
        f("minute_beeps", minuteBeeps)("loop", loop)("announcements", announcements)("task", task);
    }
};

/// A cue reached the sound output ("cue"): when `playCue` ran, and when the output had taken it.
struct CuePlayed {
    std::string file;
    bool optional = false;
    ShownSecond shown;
    Moment played{};
    Moment taken{};
    template <typename F> void fields(F& f) {
        f("file", file)("optional", optional)(shown)("played_ns", played)("taken_ns", taken);
    }
};

/// A frame reached the LED display's port ("frame"), and whether the port took it.
struct FrameSent {
    std::string bytes;
    bool taken = true;
    ShownSecond shown;
    Moment written{};
    template <typename F> void fields(F& f) {
        f("bytes", bytes)("taken", taken)(shown)("written_ns", written);
    }
};

/// The LED display's port changed ("port"): one of these at a time.
struct PortChanged {
    std::optional<int> port;
    std::optional<std::string> settings;
    std::optional<bool> open;
    std::optional<bool> done;
    template <typename F> void fields(F& f) {
        f("port", port)("settings", settings)("open", open)("done", done);
    }
};

/// The schedule moved, was loaded or was put away ("schedule"); counted from 0.
struct ScheduleMoved {
    bool loaded = false;
    std::optional<int> round;
    std::optional<int> group;
    std::optional<int> flight;
    std::optional<ScheduleState> state;
    template <typename F> void fields(F& f) {
        f("loaded", loaded)("round", round)("group", group)("flight", flight)("state", state);
    }
};

/// A cycle cut by a crash was carried on ("resume"), where the question said it stood.
struct CycleResumed {
    std::string standing;
    ShownSecond shown;
    template <typename F> void fields(F& f) { f("standing", standing)(shown); }
};

/// The laptop slept and the cycle caught up ("suspend").
struct LaptopSlept {
    std::chrono::nanoseconds slept{};
    ShownSecond shown;
    template <typename F> void fields(F& f) { f("slept_ns", slept)(shown); }
};

/// A notice for the director ("notice"), with its own moment: one kept from before the log began
/// is recorded late. Its message is kept as its id, arguments and count, put into words by the
/// report in its reader's language; the logs of older versions hold its English words as "text",
/// read as an id that no catalogue knows.
struct NoticePosted {
    Message message;
    bool actNow = false;
    long long atMs = 0;
    template <typename F> void fields(F& f) {
        f("message", message.id)("args", message.args)("count", message.count)("act_now", actNow)(
            "at_ms", atMs);
    }
};

/// A command of the director's remote ("remote"), with the device that sent it.
struct RemoteCommanded {
    std::string device;
    std::string command;
    template <typename F> void fields(F& f) { f("device", device)("command", command); }
};

/// A change to the contest's scores ("score"): `what` changed ("card", "confirmation",
/// "reflight_group", "rules"), in which round and group (counted from 0; none for the rules), for
/// which pilot, from what to what, and where it was made.
struct ScoreChanged {
    std::string what;
    std::optional<int> round;
    std::optional<int> group;
    std::string pilot;
    std::string oldValue;
    std::string newValue;
    /// The timekeeper's phone the change came from, by its name; none for one made at the laptop.
    std::optional<std::string> phone{};
    template <typename F> void fields(F& f) {
        f("what", what)("round", round)("group", group)("pilot", pilot)("old", oldValue);
        f("new", newValue)("phone", phone);
    }
};

/// Lines that never reached the log: dropped from a full queue ("dropped") or lost to a disk that
/// failed ("lost").
struct LinesMissing {
    bool lost = false;
    long long lines = 0;
    template <typename F> void fields(F& f) { f("lines", lines); }
};

using LineEvent = std::variant<ProgramStarted, ProgramClosed, ButtonPressed, PhaseBegan, CuePlayed,
                               FrameSent, PortChanged, ScheduleMoved, CycleResumed, LaptopSlept,
                               NoticePosted, RemoteCommanded, ScoreChanged, LinesMissing>;

struct DayLogLine {
    Moment mono{};
    long long wallMs = 0;
    LineEvent event;
};

/// The line as the log holds it, without its line end.
std::string lineText(DayLogLine line);
/// The line in `text`, or why it is none ("not a line of the day log", "unknown kind ...").
std::variant<DayLogLine, std::string> readLine(std::string_view text);

} // namespace aerolap
