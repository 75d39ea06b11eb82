#include "CycleRecorder.h"

#include "FormSettings.h"
#include "engine/CyclePhase.h"

namespace aerolap {

CycleRecorder::CycleRecorder(Form1& form, ScheduleRunner& runner, const ScheduleSession& session,
                             const MonotonicSource& realTime, const WallClock& wall,
                             StateFile& file, RunSoon runSoon)
    : m_form(form), m_runner(runner), m_session(session), m_time(realTime), m_wall(wall),
      m_file(file), m_runSoon(std::move(runSoon)) {
    // A preparation poll starts only with a cycle, from START or from Loop.
    for (Timer* preparation : {&form.Timer2, &form.Timer6}) {
        preparation->runningChanged.connect([this](bool running) {
            if (running) {
                m_cycleBegan = m_form.Clock1.countStartedAt().value_or(m_time.now());
                m_preparation = m_form.Clock2.clockTimeText();
                m_vuz = m_form.Timer6.enabled();
                m_minuteBeeps = m_form.Timer4.enabled();
                m_landingButton = false;
            }
        });
    }
    form.Timer3.runningChanged.connect([this](bool running) {
        if (running) {
            m_working = m_form.Clock3.clockTimeText();
        }
    });
    form.Command3.clicked.connect([this] { m_landingButton = true; });

    for (Timer* phase : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer6}) {
        phase->runningChanged.connect([this](bool) { recordSoon(); });
    }
    for (CommandButton* button : {&form.Command5, &form.Command7, &form.Command2, &form.Command3}) {
        button->clicked.connect([this] { recordSoon(); });
    }
    form.Clock2.clockChanged.connect([this] { recordSoon(); });
    form.Clock3.clockChanged.connect([this] { recordSoon(); });
    form.Clock3.textWritten.connect([this] { recordSoon(); });
    for (const auto task : kTasks) {
        (form.*task).clicked.connect([this] { recordSoon(); });
    }
    for (const auto& [name, box] : kAnnouncementBoxes) {
        (form.*box).clicked.connect([this] { recordSoon(); });
    }
    form.Check17.clicked.connect([this] { recordSoon(); });
    runner.changed.connect([this] { recordSoon(); });
}

WallClock::TimePoint CycleRecorder::wallTimeOf(MonotonicSource::TimePoint moment) const {
    return m_wall.now() -
           std::chrono::duration_cast<WallClock::TimePoint::duration>(m_time.now() - moment);
}

CycleRecord CycleRecorder::take() const {
    CycleRecord record;
    for (const auto task : kTasks) {
        if ((m_form.*task).selected()) {
            record.settings.task = (m_form.*task).caption();
        }
    }
    record.settings.preparation = m_form.Clock2.clockTimeText();
    record.settings.working = m_form.Clock3.clockTimeText();
    record.settings.loop = m_form.Check17.ticked();
    for (const auto& [name, box] : kAnnouncementBoxes) {
        record.settings.boxes[name] = (m_form.*box).ticked();
    }
    const CyclePhase phase = cyclePhase(m_form);
    const auto phaseBegan = m_form.Clock1.countStartedAt();
    if (phase != CyclePhase::Ready && phase != CyclePhase::Stopped && phaseBegan) {
        record.cycle = RecordedCycle{
            wallTimeOf(m_cycleBegan),
            phase,
            wallTimeOf(*phaseBegan),
            m_preparation,
            phase == CyclePhase::Preparation ? m_form.Clock3.clockTimeText() : m_working,
            m_vuz,
            m_landingButton && phase == CyclePhase::Landing,
            m_minuteBeeps};
    }
    if (m_runner.loaded() && !m_session.path().empty()) {
        record.schedule = RecordedSchedule{m_session.path(), m_runner.position()};
    }
    return record;
}

void CycleRecorder::recordSoon() {
    if (std::exchange(m_recordPending, true)) {
        return;
    }
    m_runSoon([this] {
        m_recordPending = false;
        recordNow();
    });
}

void CycleRecorder::recordNow() {
    m_file.write(take());
}

void CycleRecorder::markClean() {
    CycleRecord record = take();
    record.clean = true;
    m_file.write(std::move(record));
    m_file.flush();
}

} // namespace aerolap
