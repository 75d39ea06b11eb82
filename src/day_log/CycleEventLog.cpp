#include "CycleEventLog.h"

#include "ShownSecond.h"
#include "recovery/FormSettings.h"

namespace aerolap {

CycleEventLog::CycleEventLog(DayLog& log, Form1& form, ScheduleRunner& runner,
                             SuspendWatch& suspendWatch, CrashResume& crashResume,
                             NoticeBoard& notices, RunSoon runSoon)
    : m_log(log), m_form(form), m_runner(runner), m_notices(notices), m_runSoon(std::move(runSoon)),
      m_phase(cyclePhase(form)) {
    form.Command5.clicked.connect([this] { recordClick(day_log_kind::kStart); });
    form.Command7.clicked.connect([this] { recordClick(day_log_kind::kStop); });
    form.Command2.clicked.connect([this] { recordClick(day_log_kind::kReset); });
    form.Command3.clicked.connect([this] { recordClick(day_log_kind::kLandingButton); });
    for (Timer* phase : {&form.Timer1, &form.Timer2, &form.Timer3, &form.Timer6}) {
        phase->runningChanged.connect([this](bool) { recordPhaseSoon(); });
    }
    for (CommandButton* button : {&form.Command7, &form.Command2}) {
        button->clicked.connect([this] { recordPhaseSoon(); });
    }
    runner.changed.connect([this] {
        const SchedulePosition at = m_runner.position();
        JsonMembers members;
        members.flag("loaded", m_runner.loaded())
            .number("round", at.round)
            .number("group", at.group)
            .number("flight", at.flight)
            .number("state", static_cast<long long>(m_runner.state()));
        m_log.record(day_log_kind::kSchedule, std::move(members));
    });
    suspendWatch.slept.connect([this](std::chrono::nanoseconds span) {
        JsonMembers members;
        members.nanoseconds("slept_ns", span);
        addShownSecond(members, m_form);
        m_log.record(day_log_kind::kSuspend, std::move(members));
    });
    crashResume.resumed.connect([this](const std::string& standing) {
        JsonMembers members;
        members.text("standing", standing);
        addShownSecond(members, m_form);
        m_log.record(day_log_kind::kResume, std::move(members));
        recordPhase();
    });
    m_noticeListener = notices.listen([this](const Notice& notice) {
        JsonMembers members;
        // A notice kept from before the log began is stamped now, so its own moment goes along.
        members.text("text", notice.text)
            .flag("act_now", notice.urgency == Notice::Urgency::ActNow)
            .number("at_ms", std::chrono::duration_cast<std::chrono::milliseconds>(
                                 notice.at.time_since_epoch())
                                 .count());
        m_log.record(day_log_kind::kNotice, std::move(members));
    });
}

CycleEventLog::~CycleEventLog() {
    m_notices.stopListening(m_noticeListener);
}

void CycleEventLog::recordClick(std::string_view kind) {
    JsonMembers members;
    addShownSecond(members, m_form);
    m_log.record(kind, std::move(members));
}

void CycleEventLog::recordPhaseSoon() {
    // A handler switches several timers one after the other: the phase is read once it is over.
    if (std::exchange(m_phasePending, true)) {
        return;
    }
    m_runSoon([this] {
        m_phasePending = false;
        if (cyclePhase(m_form) != m_phase) {
            recordPhase();
        }
    });
}

void CycleEventLog::recordPhase() {
    m_phase = cyclePhase(m_form);
    JsonMembers members;
    members.text("phase", phaseName(m_phase));
    if (const auto began = m_form.Clock1.countStartedAt()) {
        members.number("began_ns", DayLog::nanosecondsOf(*began));
    }
    if (const auto seconds = m_form.Clock1.countedFrom()) {
        members.number("seconds", *seconds);
    }
    // What the phase's cues depend on, for a report that works out which were due.
    JsonMembers boxes;
    for (const auto& [name, box] : kAnnouncementBoxes) {
        boxes.flag(name, (m_form.*box).ticked());
    }
    members.flag("vuz", m_form.Timer6.enabled())
        .flag("minute_beeps", m_form.Timer4.enabled())
        .flag("loop", m_form.Check17.ticked())
        .object("boxes", boxes);
    for (const auto task : kTasks) {
        if ((m_form.*task).selected()) {
            members.text("task", (m_form.*task).caption());
        }
    }
    m_log.record(day_log_kind::kPhase, std::move(members));
}

} // namespace aerolap
