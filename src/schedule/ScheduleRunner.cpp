#include "ScheduleRunner.h"

#include "elements/TimeText.h"
#include "engine/CyclePhase.h"
#include "engine/CycleTexts.h"

namespace aerolap {

ScheduleRunner::ScheduleRunner(Form1& form, const MonotonicSource& time)
    : m_form(form), m_time(time) {
    // Made after the window (see TimerComposition), so each of these runs after the engine's
    // handler and sees the window as the handler left it.
    form.Command5.clicked.connect([this] { onStartClicked(); });
    form.Command5.visibilityChanged.connect([this](bool shown) {
        if (shown) {
            onCycleEnded();
        }
    });
    form.Command2.visibilityChanged.connect([this](bool shown) {
        if (shown) {
            onStopped();
        }
    });
    form.Label2.changed.connect([this] { updateWindow(); });
    gapTimer.keepInStepWith([this] { return std::optional(m_gapStartedAt); });
    gapTimer.tick.connect([this] { onGapTick(); });
}

bool ScheduleRunner::cycleRuns() const {
    const CyclePhase phase = cyclePhase(m_form);
    return phase != CyclePhase::Ready && phase != CyclePhase::Stopped;
}

bool ScheduleRunner::load(Schedule schedule, SchedulePosition from) {
    if (cycleRuns()) {
        return false;
    }
    m_schedule = std::move(schedule);
    moveTo(contains(*m_schedule, from) ? from : SchedulePosition{}, State::Waiting);
    return true;
}

bool ScheduleRunner::edit(Schedule schedule) {
    if (m_state != State::Gap || !contains(schedule, m_position)) {
        return load(std::move(schedule), m_position);
    }
    m_schedule = std::move(schedule);
    commitClocks();
    changed.emit();
    return true;
}

bool ScheduleRunner::changeDraw(Schedule schedule) {
    if (!loaded() || !contains(schedule, m_position)) {
        return false;
    }
    m_schedule = std::move(schedule);
    changed.emit();
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
    int left = m_form.Clock1.secondsLeft();
    const CyclePhase phase = cyclePhase(m_form);
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
    changed.emit();
}

void ScheduleRunner::commitClocks() {
    const CyclePlan plan = planOf(*m_schedule, m_position);
    m_form.Check17.setValue(CheckBox::kUnchecked);
    m_form.Option3.select();
    m_form.Clock2.commitEdit(TimeText::fromSeconds(plan.preparation));
    m_form.Clock3.commitEdit(TimeText::fromSeconds(plan.working));
}

void ScheduleRunner::setState(State state) {
    if (state != m_state) {
        m_state = state;
        changed.emit();
    }
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
    if (m_state != State::Running || cyclePhase(m_form) != CyclePhase::Ready) {
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
        m_form.Command5.click();
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
        m_form.Command5.click();
    }
}

ScheduleRunner::Window ScheduleRunner::window() const {
    if (m_state != State::Running || cyclePhase(m_form) != CyclePhase::Preparation) {
        return Window::None;
    }
    const CyclePlan plan = planOf(*m_schedule, m_position);
    const int left = m_form.Clock1.secondsLeft();
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
