#include "CycleEventLog.h"

namespace aerolap {

namespace {

/// A place without the count-down to the next START, which moves with every second.
std::optional<SchedulePlace> placeAsMoved(std::optional<SchedulePlace> place) {
    if (place) {
        place->nextStartIn.reset();
    }
    return place;
}

} // namespace

CycleEventLog::CycleEventLog(DayLog& log, Cycle& cycle, SuspendWatch& suspendWatch,
                             CrashResume& crashResume, NoticeBoard& notices)
    : m_log(log), m_cycle(cycle), m_notices(notices) {
    cycle.settled.connect([this](const CycleSnapshot& snapshot) { record(snapshot); });
    suspendWatch.slept.connect([this](std::chrono::nanoseconds span) {
        m_log.record(LaptopSlept{span, shownBy(m_cycle)});
    });
    crashResume.resumed.connect([this](const std::string& standing) {
        m_log.record(CycleResumed{standing, shownBy(m_cycle)});
        recordPhase(m_cycle.now());
    });
    m_noticeListener = notices.listen([this](const Notice& notice) {
        m_log.record(NoticePosted{
            notice.message, notice.urgency == Notice::Urgency::ActNow,
            std::chrono::duration_cast<std::chrono::milliseconds>(notice.at.time_since_epoch())
                .count()});
    });
}

CycleEventLog::~CycleEventLog() {
    m_notices.stopListening(m_noticeListener);
}

void CycleEventLog::record(const CycleSnapshot& snapshot) {
    if (snapshot.command) {
        m_log.record(ButtonPressed{*snapshot.command, shownBy(m_cycle)});
    }
    if (snapshot.phase != m_phase) {
        recordPhase(snapshot);
    }
    if (auto place = placeAsMoved(snapshot.schedule); place != m_place) {
        m_place = std::move(place);
        m_log.record(m_place ? ScheduleMoved{true, m_place->round, m_place->group, m_place->flight,
                                             m_place->state}
                             : ScheduleMoved{});
    }
}

void CycleEventLog::recordPhase(const CycleSnapshot& snapshot) {
    m_phase = snapshot.phase;
    const auto& running = snapshot.running;
    PhaseBegan phase{.phase = m_phase,
                     .began = std::nullopt,
                     .loop = snapshot.settings.loop,
                     .announcements = snapshot.settings.announcements,
                     .task = std::string(taskCaption(snapshot.settings.task))};
    if (running) {
        phase.began = running->phaseBegan;
        phase.seconds = running->phaseLength;
        phase.vuz = running->vuz && m_phase == CyclePhase::Preparation;
        phase.minuteBeeps = m_phase != CyclePhase::Preparation || running->minuteBeeps;
    }
    m_log.record(std::move(phase));
}

} // namespace aerolap
