#include "ScheduleRunner.h"

#include "elements/TimeText.h"
#include "engine/CycleTexts.h"

namespace aerolap {

ScheduleRunner::ScheduleRunner(Cycle& cycle, const MonotonicSource& time)
    : m_cycle(cycle), m_time(time) {
    // Made after the cycle (see TimerComposition), so each of these runs after the engine's
    // handler and sees the cycle as the handler left it.
    cycle.startPressed.connect([this] { onStartClicked(); });
    cycle.startShown.connect([this] { onCycleEnded(); });
    cycle.stopped.connect([this] { onStopped(); });
    cycle.shownTimeChanged.connect([this] { updateWindow(); });
    gapTimer.keepInStepWith([this] { return std::optional(m_gapStartedAt); });
    gapTimer.tick.connect([this] { onGapTick(); });
}

bool ScheduleRunner::cycleRuns() const {
    return aerolap::cycleRuns(m_cycle.phase());
}

bool ScheduleRunner::load(Schedule schedule, SchedulePosition from) {
    if (cycleRuns()) {
        return false;
    }
    m_schedule = std::move(schedule);
    ++m_revision;
    moveTo(contains(*m_schedule, from) ? from : SchedulePosition{}, State::Waiting);
    return true;
}

bool ScheduleRunner::edit(Schedule schedule) {
    if (m_state != State::Gap || !contains(schedule, m_position)) {
        return load(std::move(schedule), m_position);
    }
    m_schedule = std::move(schedule);
    ++m_revision;
    commitClocks();
    tellChange();
    return true;
}

bool ScheduleRunner::changeDraw(Schedule schedule) {
    if (!loaded() || !contains(schedule, m_position)) {
        return false;
    }
    m_schedule = std::move(schedule);
    ++m_revision;
    tellChange();
    return true;
}

std::optional<ScheduleRunner::TimePoint> ScheduleRunner::nextStartAt() const {
    if (m_state != State::Gap) {
        return std::nullopt;
    }
    return m_gapStartedAt + std::chrono::seconds(planOf(*m_schedule, m_position).gap);
}

std::optional<ScheduleRunner::TimePoint> ScheduleRunner::nextCycleStartsAt() const {
    const auto next = loaded() ? nextPosition(*m_schedule, m_position) : std::nullopt;
    if (m_state != State::Running || !next) {
        return nextStartAt();
    }
    const CyclePlan plan = planOf(*m_schedule, m_position);
    const int landing = TimeText::toSeconds(kLandingWindowTime).value_or(0);
    int left = m_cycle.secondsLeft();
    const CyclePhase phase = m_cycle.phase();
    if (phase == CyclePhase::Preparation) {
        left += plan.working + landing;
    } else if (phase == CyclePhase::WorkingTime) {
        left += landing;
    }
    return m_time.now() + std::chrono::seconds(left + planOf(*m_schedule, *next).gap);
}

std::optional<std::chrono::seconds> ScheduleRunner::timeToNextCycle() const {
    const auto at = nextCycleStartsAt();
    if (!at) {
        return std::nullopt;
    }
    return std::chrono::round<std::chrono::seconds>(*at - m_time.now());
}

std::optional<SchedulePlace> ScheduleRunner::place(const std::string& file) const {
    if (!loaded()) {
        return std::nullopt;
    }
    const auto& [round, group, flight] = m_position;
    const auto startIn = timeToNextCycle();
    return SchedulePlace{
        file,    round,
        group,   flight,
        m_state, startIn ? std::optional(static_cast<int>(startIn->count())) : std::nullopt};
}

bool ScheduleRunner::skip() {
    const auto next = loaded() ? nextPosition(*m_schedule, m_position) : std::nullopt;
    return next && jumpTo(*next);
}

bool ScheduleRunner::back() {
    const auto previous = loaded() ? previousPosition(*m_schedule, m_position) : std::nullopt;
    return previous && jumpTo(*previous);
}

bool ScheduleRunner::jumpTo(SchedulePosition position) {
    if (!loaded() || !contains(*m_schedule, position) || cycleRuns()) {
        return false;
    }
    moveTo(position, State::Waiting);
    return true;
}

void ScheduleRunner::moveTo(SchedulePosition position, State state) {
    gapTimer.setEnabled(false);
    m_position = position;
    m_state = state;
    commitClocks();
    tellChange();
}

void ScheduleRunner::commitClocks() {
    const CyclePlan plan = planOf(*m_schedule, m_position);
    m_cycle.setLoop(false);
    m_cycle.chooseTask(Task::Free);
    m_cycle.commitTimes(TimeText::fromSeconds(plan.preparation),
                        TimeText::fromSeconds(plan.working));
}

void ScheduleRunner::setState(State state) {
    if (state != m_state) {
        m_state = state;
        tellChange();
    }
}

void ScheduleRunner::tellChange() {
    m_cycle.outsideChanged();
    changed.emit();
}

void ScheduleRunner::onStartClicked() {
    if (!loaded() || m_state == State::Running) {
        return;
    }
    gapTimer.setEnabled(false);
    setState(State::Running);
    updateWindow();
}

void ScheduleRunner::onCycleEnded() {
    if (m_state != State::Running || m_cycle.phase() != CyclePhase::Ready) {
        return;
    }
    updateWindow();
    const auto next = nextPosition(*m_schedule, m_position);
    if (!next) {
        setState(State::Finished);
        return;
    }
    m_gapStartedAt = m_time.now();
    moveTo(*next, State::Gap);
    if (planOf(*m_schedule, m_position).gap == 0) {
        m_cycle.press(CycleCommand::Start);
    } else {
        gapTimer.setEnabled(true);
    }
}

void ScheduleRunner::onStopped() {
    if (m_state == State::Running) {
        setState(State::Paused);
        updateWindow();
    }
}

void ScheduleRunner::onGapTick() {
    if (m_time.now() >= *nextStartAt()) {
        gapTimer.setEnabled(false);
        m_cycle.press(CycleCommand::Start);
    } else {
        m_cycle.outsideChanged(); // the count-down to that START moves on
    }
}

ScheduleRunner::Window ScheduleRunner::window() const {
    if (m_state != State::Running || m_cycle.phase() != CyclePhase::Preparation) {
        return Window::None;
    }
    const CyclePlan plan = planOf(*m_schedule, m_position);
    const int left = m_cycle.secondsLeft();
    if (left > 0 && left <= plan.noFly) {
        return Window::NoFly;
    }
    return left > 0 && left <= plan.noFly + plan.test ? Window::TestFlights : Window::None;
}

void ScheduleRunner::updateWindow() {
    const Window now = window();
    if (now != m_lastWindow) {
        m_lastWindow = now;
        windowChanged.emit(now);
    }
}

} // namespace aerolap
