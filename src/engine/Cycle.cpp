#include "Cycle.h"

#include "AnnouncementSwitches.h"

#include <utility>

namespace aerolap {

Cycle::Cycle(Form1& form, RunSoon runSoon)
    : m_form(form), m_settle(std::move(runSoon), [this] { settle(); }), m_last(now()) {
    form.Command5.clicked.connect([this] {
        m_command = CycleCommand::Start;
        startPressed.emit();
    });
    form.Command7.clicked.connect([this] {
        m_command = CycleCommand::Stop;
        stopped.emit();
    });
    form.Command2.clicked.connect([this] { m_command = CycleCommand::Reset; });
    form.Command3.clicked.connect([this] {
        m_command = CycleCommand::LandingButton;
        m_running.landingButton = true;
    });
    form.Command5.visibilityChanged.connect([this](bool shown) {
        if (shown) {
            startShown.emit();
        }
    });
    form.Label2.changed.connect([this] { shownTimeChanged.emit(); });
    followRunningCycle();
    form.changed.connect([this] { m_settle.ask(); });
}

void Cycle::followRunningCycle() {
    // A preparation poll starts only with a cycle, from START or from Loop.
    for (Timer* preparation : {&m_form.Timer2, &m_form.Timer6}) {
        preparation->runningChanged.connect([this](bool running) {
            if (running) {
                m_running = RunningCycle{
                    .began = m_form.Clock1.countStartedAt().value_or(MonotonicSource::TimePoint{}),
                    .preparation = m_form.Clock2.clockTimeText(),
                    .working = m_form.Clock3.clockTimeText(),
                    .vuz = m_form.Timer6.enabled(),
                    .minuteBeeps = m_form.Timer4.enabled()};
            }
        });
    }
    m_form.Timer3.runningChanged.connect([this](bool running) {
        if (running) {
            m_running.working = m_form.Clock3.clockTimeText();
        }
    });
}

bool Cycle::press(CycleCommand command) {
    CommandButton& button = command == CycleCommand::Start   ? m_form.Command5
                            : command == CycleCommand::Stop  ? m_form.Command7
                            : command == CycleCommand::Reset ? m_form.Command2
                                                             : m_form.Command3;
    // Only what the window shows can be pressed.
    if (!button.visible()) {
        return false;
    }
    button.click();
    return true;
}

void Cycle::chooseTask(Task task) {
    optionOf(m_form, task).select();
}

void Cycle::commitTimes(const std::string& preparation, const std::string& working) {
    m_form.Clock2.commitEdit(preparation);
    m_form.Clock3.commitEdit(working);
}

void Cycle::setLoop(bool loop) {
    m_form.Check17.setValue(loop ? CheckBox::kChecked : CheckBox::kUnchecked);
}

void Cycle::setAnnouncements(const Announcements& announcements) {
    applyAnnouncements(m_form, announcements);
}

void Cycle::runMinuteBeeps() {
    m_form.Timer4.setEnabled(true);
}

CyclePhase Cycle::phase() const {
    return cyclePhase(m_form);
}

int Cycle::secondsLeft() const {
    return m_form.Clock1.secondsLeft();
}

std::string Cycle::runningTime() const {
    return m_form.Clock1.clockTimeText();
}

std::optional<MonotonicSource::TimePoint> Cycle::secondBegan() const {
    return m_form.Clock1.shownSecondBegan();
}

bool Cycle::counting() const {
    return m_form.Clock1.counting();
}

CycleSnapshot Cycle::now() const {
    CycleSnapshot snapshot{phase(),
                           m_form.Label4.caption(),
                           m_form.Label2.caption(),
                           secondsLeft(),
                           secondBegan(),
                           {selectedTask(m_form), m_form.Clock2.clockTimeText(),
                            m_form.Clock3.clockTimeText(), m_form.Check17.ticked(),
                            announcementsOf(m_form)},
                           std::nullopt,
                           m_placeSchedule ? m_placeSchedule() : std::nullopt,
                           m_command};
    if (const auto phaseBegan = m_form.Clock1.countStartedAt();
        cycleRuns(snapshot.phase) && phaseBegan) {
        snapshot.running = m_running;
        snapshot.running->phaseBegan = *phaseBegan;
        snapshot.running->phaseLength = m_form.Clock1.countedFrom().value_or(0);
        if (snapshot.phase == CyclePhase::Preparation) {
            // The working time is read at the end of the preparation: an edit until then counts.
            snapshot.running->working = m_form.Clock3.clockTimeText();
        }
        snapshot.running->landingButton =
            m_running.landingButton && snapshot.phase == CyclePhase::Landing;
    }
    return snapshot;
}

void Cycle::settle() {
    CycleSnapshot snapshot = now();
    m_command.reset();
    if (snapshot == m_last && !std::exchange(m_outsideChanged, false)) {
        return;
    }
    m_outsideChanged = false;
    m_last = std::move(snapshot);
    settled.emit(m_last);
}

} // namespace aerolap
