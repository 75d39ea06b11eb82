#include "ScheduleSession.h"

#include "ScheduleFile.h"
#include "ScheduleStateFile.h"

#include <utility>

namespace aerolap {

namespace {
constexpr const char* kTitle = "Aerolap";
} // namespace

ScheduleSession::ScheduleSession(ScheduleRunner& runner, MessageBoxService& messageBoxes)
    : m_runner(runner), m_messageBoxes(messageBoxes) {
    runner.changed.connect([this] { writeState(); });
}

bool ScheduleSession::open(const std::string& path) {
    return take(path, std::nullopt);
}

bool ScheduleSession::openAt(const std::string& path, SchedulePosition position) {
    return take(path, position);
}

bool ScheduleSession::take(const std::string& path, std::optional<SchedulePosition> chosen) {
    LoadedSchedule loaded = loadSchedule(path);
    if (!loaded.schedule) {
        m_messageBoxes.show({loaded.error + "\n\nThe timer runs on without this schedule.", kTitle,
                             MessageIcon::Critical, MessageButtons::Ok});
        return false;
    }
    SchedulePosition from = chosen.value_or(SchedulePosition{});
    const auto saved = chosen ? std::nullopt : readScheduleState(path);
    if (saved && !saved->finished && saved->position != SchedulePosition{} &&
        contains(*loaded.schedule, saved->position)) {
        const auto& [round, group, flight] = saved->position;
        const std::string where = "round " + std::to_string(round + 1) + ", group " +
                                  std::to_string(group + 1) + ", flight " +
                                  std::to_string(flight + 1);
        const MessageAnswer answer =
            m_messageBoxes.show({"The schedule " + path + " was left at " + where +
                                     (saved->running ? " while it ran" : "") + ".\n\nResume there?",
                                 kTitle, MessageIcon::None, MessageButtons::YesNo});
        if (answer == MessageAnswer::Yes) {
            from = saved->position;
        }
    }
    // The old file's position must not be written into the new one's state file.
    const std::string previous = std::exchange(m_path, {});
    if (!m_runner.load(std::move(*loaded.schedule), from)) {
        m_path = previous;
        m_messageBoxes.show({"A schedule can be opened only while no cycle runs.", kTitle,
                             MessageIcon::Information, MessageButtons::Ok});
        return false;
    }
    m_path = path;
    writeState();
    return true;
}

bool ScheduleSession::saveAs(const std::string& path) {
    if (const auto error = saveSchedule(m_runner.schedule(), path)) {
        m_messageBoxes.show({*error, kTitle, MessageIcon::Critical, MessageButtons::Ok});
        return false;
    }
    m_path = path;
    writeState();
    return true;
}

bool ScheduleSession::edit(Schedule schedule) {
    return m_runner.edit(std::move(schedule));
}

void ScheduleSession::writeState() {
    if (m_path.empty() || !m_runner.loaded()) {
        return;
    }
    const auto state = m_runner.state();
    // A state file that cannot be written must not stop the contest; the next change tries again.
    writeScheduleState(
        m_path, {m_runner.position(),
                 state == ScheduleRunner::State::Running || state == ScheduleRunner::State::Gap,
                 state == ScheduleRunner::State::Finished});
}

} // namespace aerolap
