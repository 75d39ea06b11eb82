#include "ScheduleSession.h"

#include "ScheduleDraw.h"
#include "ScheduleFile.h"
#include "draw/DrawGenerator.h"

#include <utility>

namespace aerolap {

namespace {
constexpr const char* kTitle = "Aerolap";
} // namespace

ScheduleSession::ScheduleSession(ScheduleRunner& runner, MessageBoxService& messageBoxes)
    : m_runner(runner), m_messageBoxes(messageBoxes) {}

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
    const auto saved = chosen || !m_recorded ? std::nullopt : m_recorded(path);
    if (const SchedulePosition left =
            saved ? SchedulePosition{saved->round, saved->group, saved->flight}
                  : SchedulePosition{};
        saved && saved->state != ScheduleState::Finished && left != SchedulePosition{} &&
        contains(*loaded.schedule, left)) {
        const bool ran =
            saved->state == ScheduleState::Running || saved->state == ScheduleState::Gap;
        const MessageAnswer answer = m_messageBoxes.show(
            {"The schedule " + path + " was left at round " + std::to_string(left.round + 1) +
                 ", group " + std::to_string(left.group + 1) + ", flight " +
                 std::to_string(left.flight + 1) + (ran ? " while it ran" : "") +
                 ".\n\nResume there?",
             kTitle, MessageIcon::None, MessageButtons::YesNo});
        if (answer == MessageAnswer::Yes) {
            from = left;
        }
    }
    // The place the timer records is the new file's only once the runner has it.
    const std::string previous = std::exchange(m_path, path);
    if (!m_runner.load(std::move(*loaded.schedule), from)) {
        m_path = previous;
        m_messageBoxes.show({"A schedule can be opened only while no cycle runs.", kTitle,
                             MessageIcon::Information, MessageButtons::Ok});
        return false;
    }
    opened.emit();
    return true;
}

bool ScheduleSession::saveAs(const std::string& path) {
    if (const auto error = saveSchedule(m_runner.schedule(), path)) {
        m_messageBoxes.show({*error, kTitle, MessageIcon::Critical, MessageButtons::Ok});
        return false;
    }
    const bool moved = path != m_path;
    m_path = path;
    m_runner.tellChange();
    if (moved) {
        renamed.emit();
    }
    return true;
}

bool ScheduleSession::edit(Schedule schedule) {
    return m_runner.edit(std::move(schedule));
}

bool ScheduleSession::importDraw(const std::string& path) {
    if (!m_runner.loaded()) {
        tell("Open or make a schedule before its draw.", MessageIcon::Information);
        return false;
    }
    LoadedSchedule imported = withImportedDraw(m_runner.schedule(), path);
    if (!imported.schedule) {
        tell(imported.error + "\n\nThe schedule stays as it was.", MessageIcon::Critical);
        return false;
    }
    if (!m_runner.edit(std::move(*imported.schedule))) {
        tell("A draw can be imported only while no cycle runs.", MessageIcon::Information);
        return false;
    }
    return true;
}

std::optional<Evenness> ScheduleSession::generateDraw(std::vector<DrawPilot> pilots,
                                                      DrawSettings settings) {
    if (!m_runner.loaded() || pilots.empty()) {
        tell("A draw needs a schedule and at least one pilot.", MessageIcon::Information);
        return std::nullopt;
    }
    const Schedule& schedule = m_runner.schedule();
    Draw draw = aerolap::generateDraw(std::move(pilots), settings,
                                      static_cast<int>(schedule.rounds.size()));
    const Evenness evenness = evennessOf(draw);
    if (!m_runner.edit(withDraw(schedule, std::move(draw)))) {
        tell("A draw can be generated only while no cycle runs.", MessageIcon::Information);
        return std::nullopt;
    }
    return evenness;
}

std::optional<FirstOpenGroup> ScheduleSession::firstOpenGroup() const {
    if (!m_runner.loaded() || m_runner.state() == ScheduleRunner::State::Finished) {
        return std::nullopt;
    }
    const Schedule& schedule = m_runner.schedule();
    SchedulePosition position = m_runner.position();
    const auto state = m_runner.state();
    // A group that is in the air, was stopped in the air, or has flown a flight has flown.
    if (state == ScheduleRunner::State::Running || state == ScheduleRunner::State::Paused ||
        position.flight > 0) {
        const int round = position.round;
        const int group = position.group;
        while (position.round == round && position.group == group) {
            const auto next = nextPosition(schedule, position);
            if (!next) {
                return std::nullopt;
            }
            position = *next;
        }
    }
    return FirstOpenGroup{position.round, position.group};
}

bool ScheduleSession::withdraw(const std::string& name) {
    const auto open = firstOpenGroup();
    const auto pilot = m_runner.loaded() && m_runner.schedule().draw
                           ? pilotIndex(*m_runner.schedule().draw, name)
                           : std::nullopt;
    if (!pilot || !open) {
        tell(!pilot ? "\"" + name + "\" is not in the draw."
                    : std::string("The schedule is flown: nobody is left to withdraw from."),
             MessageIcon::Information);
        return false;
    }
    const Schedule& schedule = m_runner.schedule();
    Draw draw =
        withdrawPilot(*schedule.draw, *pilot, *open, static_cast<int>(schedule.rounds.size()));
    return m_runner.changeDraw(withDraw(schedule, std::move(draw)));
}

void ScheduleSession::tell(const std::string& text, MessageIcon icon) {
    m_messageBoxes.show({text, kTitle, icon, MessageButtons::Ok});
}

} // namespace aerolap
