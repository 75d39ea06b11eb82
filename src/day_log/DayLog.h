#pragma once

#include "DayLogWriter.h"
#include "JsonMembers.h"
#include "platform/MonotonicSource.h"
#include "platform/WallClock.h"

#include <string_view>

namespace aerolap {

/// What the day log's lines name in their "kind": one event each.
namespace day_log_kind {
inline constexpr std::string_view kRun = "run";
inline constexpr std::string_view kExit = "exit";
inline constexpr std::string_view kStart = "start";
inline constexpr std::string_view kStop = "stop";
inline constexpr std::string_view kReset = "reset";
inline constexpr std::string_view kLandingButton = "landing_button";
inline constexpr std::string_view kPhase = "phase";
inline constexpr std::string_view kCue = "cue";
inline constexpr std::string_view kFrame = "frame";
inline constexpr std::string_view kPort = "port";
inline constexpr std::string_view kSchedule = "schedule";
inline constexpr std::string_view kResume = "resume";
inline constexpr std::string_view kSuspend = "suspend";
inline constexpr std::string_view kNotice = "notice";
inline constexpr std::string_view kRemote = "remote";
// Written by the writer itself.
inline constexpr std::string_view kDropped = "dropped";
inline constexpr std::string_view kLost = "lost";
} // namespace day_log_kind

/// The record of the day a jury can be shown: each event as one JSON line, stamped with the
/// real monotonic time ("mono_ns", which measures) and the wall clock ("wall_ms", which people
/// read) at the moment it is recorded. Recording only queues the line: it never waits on the disk.
class DayLog {
public:
    /// `realTime` is the time no catch-up holds.
    DayLog(DayLogWriter& writer, const MonotonicSource& realTime, const WallClock& wall)
        : m_writer(writer), m_time(realTime), m_wall(wall) {}

    void record(std::string_view kind, JsonMembers members = {});
    /// A command of the director's remote, with the device that sent it.
    void recordRemoteCommand(std::string_view device, std::string_view command);

    const MonotonicSource& time() const { return m_time; }
    /// A moment of the monotonic time as the lines give it.
    static long long nanosecondsOf(MonotonicSource::TimePoint moment) {
        return static_cast<long long>(
            std::chrono::duration_cast<std::chrono::nanoseconds>(moment.time_since_epoch())
                .count());
    }

private:
    DayLogWriter& m_writer;
    const MonotonicSource& m_time;
    const WallClock& m_wall;
};

} // namespace aerolap
