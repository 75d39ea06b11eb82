#include "DayLog.h"

namespace aerolap {

void DayLog::record(std::string_view kind, JsonMembers members) {
    const auto mono = m_time.now();
    const auto wall = m_wall.now();
    JsonMembers line;
    line.text("kind", kind)
        .number("mono_ns", nanosecondsOf(mono))
        .number(
            "wall_ms",
            std::chrono::duration_cast<std::chrono::milliseconds>(wall.time_since_epoch()).count());
    std::string text = "{" + line.take();
    if (!members.written().empty()) {
        text += ',';
        text += members.written();
    }
    text += '}';
    m_writer.add(std::move(text), wall);
}

void DayLog::recordRemoteCommand(std::string_view device, std::string_view command) {
    JsonMembers members;
    members.text("device", device).text("command", command);
    record(day_log_kind::kRemote, std::move(members));
}

} // namespace aerolap
